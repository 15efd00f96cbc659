// "&Wechselkurse importieren..." through the window's menu item, with the
// file dialog scripted, and the age of the rates in the information panel.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "ratefile.h"
#include "text.h"
#include "uifixture.h"

namespace mensurio::testing {
namespace {

constexpr int kLaenge = 20;
constexpr int kWaehrungen = 41;

UnitRecord Currency(const char* name, const char* symbol, long double factor, const char* validity) {
  UnitRecord r = MakeRecord(name, 2, factor);
  SetFieldText(r.symbol, symbol);
  SetFieldText(r.validity, validity);
  return r;
}

const std::string kCurrencies = FileBytes({
    Currency("Euro", "EUR", 1.95583L, "fest seit 1.1.1999"),
    Currency("Japanischer Yen", "JPY", 0.0125L, "Stand 29.12.2023"),
    Currency("Polnischer Zloty", "PLN", 0.451L, "Stand 29.12.2023"),
    Currency("US-Dollar", "USD", 1.77L, "Stand 29.12.2023"),
});
// A day that lies in the past on every machine that runs the tests.
const char* kRates = "Date,USD,JPY,\n2025-06-02,1.1,170,\n2025-05-30,1.2,160,\n";

class RateImport : public WindowTest {
 protected:
  ui::TMyWindow& OpenArea(int area, const QString& chosen) {
    WriteBytes("WAEHRUNG.DAT", kCurrencies);
    WriteBytes("eurofxref-hist.csv", kRates);
    WriteSettingsFile(area);
    ui::TMyWindow& w = Open();
    w.platform().choose_rate_file = [chosen](QWidget*) { return chosen; };
    return w;
  }
  QAction* Item() { return window->findChild<QAction*>("Wechselkurseimportieren1"); }
  QLabel* Stand() { return window->findChild<QLabel*>("Label_Kursstand"); }
  std::string SelectedName() { return window->units[static_cast<size_t>(window->SelectedIndex())].name(); }
};

TEST_F(RateImport, TheItemStandsAboveBeendenWithASeparator) {
  OpenArea(kLaenge, "");
  QMenu* datei = window->menuBar()->findChildren<QMenu*>().at(0);
  ASSERT_EQ(datei->title(), "&Datei");
  QList<QAction*> items = datei->actions();
  ASSERT_GE(items.size(), 3);
  EXPECT_EQ(items.front(), Item());
  EXPECT_EQ(Item()->text(), "&Wechselkurse importieren...");
  EXPECT_TRUE(items[items.size() - 2]->isSeparator());
  EXPECT_EQ(items.back(), window->Beenden1);
}

TEST_F(RateImport, InTheCurrencyAreaTheListIsReloadedWithItsSelection) {
  auto& w = OpenArea(kWaehrungen, "eurofxref-hist.csv");
  EXPECT_TRUE(Stand()->isVisibleTo(w.Panel1));
  EXPECT_TRUE(Stand()->text().startsWith("Kurse: Stand 29.12.2023\n")) << Stand()->text().toStdString();
  w.SelectRow(3);
  w.ShowSelectedUnit();
  w.ConvertCommand();
  ASSERT_TRUE(w.results_valid);
  Item()->trigger();
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Es wurden 2 Wechselkurse mit dem Stand 02.06.2025 übernommen."});
  EXPECT_FALSE(w.results_valid);
  EXPECT_EQ(SelectedName(), "US-Dollar");
  EXPECT_EQ(w.Label_gewaehlte_einheit->text(), "US-Dollar");
  EXPECT_EQ(FieldText(w.units[3].record.validity), "Stand 02.06.2025");
  EXPECT_EQ(FieldText(w.units[3].record.approx_value), "ca. 1,78 DM");
  EXPECT_EQ(FieldText(w.units[2].record.validity), "Stand 29.12.2023");
  EXPECT_TRUE(Stand()->text().startsWith("Kurse: Stand 02.06.2025\n")) << Stand()->text().toStdString();
}

TEST_F(RateImport, InAnotherAreaOnlyTheFileChanges) {
  auto& w = OpenArea(kLaenge, "eurofxref-hist.csv");
  std::vector<std::string> before;
  for (const auto& u : w.units) before.push_back(u.name());
  EXPECT_FALSE(Stand()->isVisibleTo(w.Panel1));
  Item()->trigger();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].kind, BoxKind::Information);
  std::vector<std::string> after;
  for (const auto& u : w.units) after.push_back(u.name());
  EXPECT_EQ(after, before);
  EXPECT_NE(ReadBytes("WAEHRUNG.DAT"), kCurrencies);
  EXPECT_FALSE(Stand()->isVisibleTo(w.Panel1));
  w.ComboBox1->setCurrentIndex(kWaehrungen - 1);
  w.ComboBox1Change();
  EXPECT_TRUE(Stand()->isVisibleTo(w.Panel1));
  EXPECT_TRUE(Stand()->text().startsWith("Kurse: Stand 02.06.2025\n")) << Stand()->text().toStdString();
}

TEST_F(RateImport, CancelledUnreadableOrRefusedFilesChangeNothing) {
  struct Case { QString chosen; std::vector<std::string> messages; };
  const Case cases[] = {
      {"", {}},
      {"fehlt.csv", {"Die Datei fehlt.csv konnte nicht gelesen werden!"}},
      {"MSR.INI", {kNotARateFileMessage}},
      {".", {"Die Datei . konnte nicht gelesen werden!"}},
      {"/dev/zero", {"Die Datei zero konnte nicht gelesen werden!"}},
  };
  for (const Case& c : cases) {
    auto& w = OpenArea(kWaehrungen, c.chosen);
    w.SelectRow(2);
    w.ConvertCommand();
    boxes.shown.clear();
    Item()->trigger();
    EXPECT_EQ(boxes.Texts(), c.messages) << c.chosen.toStdString();
    EXPECT_EQ(ReadBytes("WAEHRUNG.DAT"), kCurrencies);
    EXPECT_TRUE(w.results_valid) << "no reload";
  }
}

TEST_F(RateImport, ZippedRateFilesAreReadWithoutUnpacking) {
  const std::string fixtures = MENSURIO_SOURCE_DIR "/tests/fixtures/rates/";
  const std::string zipped = ReadBytes(fixtures + "eurofxref.zip");
  std::string damaged = zipped;
  damaged[50] = static_cast<char>(damaged[50] ^ 0x55);  // inside the deflated data
  WriteBytes("verfaelscht.zip", damaged);
  WriteBytes("abgeschnitten.zip", zipped.substr(0, zipped.size() - 30));
  const std::string taken =
      "Es wurden 2 Wechselkurse mit dem Stand 02.06.2025 übernommen.\n\nOhne Einheit im Gebiet \"Währungen\": ISK.";
  struct Case { std::string path, message; };
  const Case cases[] = {
      {fixtures + "eurofxref.zip", taken},                // deflated
      {fixtures + "eurofxref-hist.zip", taken},           // sizes behind the data
      {fixtures + "kurse-gespeichert.zip", taken},        // stored, in a folder, beside another file
      {fixtures + "ohne-kurse.zip", kNotARateFileMessage},
      {"verfaelscht.zip", "Die Zip-Datei verfaelscht.zip ist beschädigt oder enthält keine lesbare Kursdatei!"},
      {"abgeschnitten.zip", "Die Zip-Datei abgeschnitten.zip ist beschädigt oder enthält keine lesbare Kursdatei!"},
  };
  for (const Case& c : cases) {
    OpenArea(kWaehrungen, QString::fromStdString(c.path));
    boxes.shown.clear();
    Item()->trigger();
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{c.message}) << c.path;
    EXPECT_EQ(ReadBytes("WAEHRUNG.DAT") != kCurrencies, c.message == taken) << c.path;
  }
}

}  // namespace
}  // namespace mensurio::testing
