// World time with summer time in the window: the settings item, its place
// in MSR.INI, the conversion, the panel's data state, and "&Zeitzonen
// aktualisieren", over a time-zone database of the test's own.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTextDocument>

#include <cstdlib>

#include "summertime.h"
#include "text.h"
#include "tzifwriter.h"
#include "unitrow.h"
#include "uifixture.h"
#include "worldtime.h"
#include "zonerefreshcommand.h"

namespace mensurio::testing {
namespace {

constexpr int kLaenge = 20;
constexpr int kWeltzeit = 44;

UnitRecord Place(const char* name, long double hours, const char* summer, const char* zone) {
  UnitRecord r = MakeRecord(name, 2, hours);
  SetFieldOrBlanks(r.validity, *Utf8ToCp1252(summer));
  SetFieldOrBlanks(r.spare_text_1, zone);
  SetFieldOrBlanks(r.spare_text_2, "tzdata 2026f");
  return r;
}

// In name order, as the file keeps them.
const std::string kPlaces = FileBytes({
    Place("Berlin", 1, "Ende März bis Ende Okt.", "Europe/Berlin"),
    Place("Eigener Ort", 5.5L, "", ""),
    Place("New York", -5, "2. So. März bis 1. So. Nov.", "America/New_York"),
    Place("Nirgendwo", 9, "", "Test/Nowhere"),
    Place("Sydney", 10, "Ende Sep. bis Anfang Apr.", "Australia/Sydney"),
});

class SummerTimeWindow : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    const std::string zones = dir.path() + "/zones";
    WriteRuleZone(zones, "Europe/Berlin", "CET-1CEST,M3.5.0,M10.5.0/3");
    WriteRuleZone(zones, "America/New_York", "EST5EDT,M3.2.0,M11.1.0");
    WriteRuleZone(zones, "Australia/Sydney", "AEST-10AEDT,M10.1.0,M4.1.0/3");
    WriteBytes(zones + "/tzdata.zi", "# version 2099a\n");
    if (const char* old = std::getenv("TZDIR")) old_tzdir_ = old;
    setenv("TZDIR", zones.c_str(), 1);
    WriteBytes("WELTZEIT.DAT", kPlaces);
  }
  void TearDown() override {
    window.reset();
    if (old_tzdir_.empty()) unsetenv("TZDIR");
    else setenv("TZDIR", old_tzdir_.c_str(), 1);
  }

  ui::TMyWindow& OpenArea(int area, bool summer_time) {
    WriteBytes("MSR.INI", std::to_string(area) + "\r\n0\r\n0\r\n" + std::string(91, '1') + (summer_time ? "\r\n1" : ""));
    ui::TMyWindow& w = Open();
    w.summer_time->today = [] { return CivilDate{2026, 12, 8}; };
    return w;
  }
  QAction* Option() { return window->findChild<QAction*>("Sommerzeitbercksichtigen1"); }
  QAction* Refresh() { return window->findChild<QAction*>("Zeitzonenaktualisieren1"); }
  QLabel* Panel() { return window->findChild<QLabel*>("Label_Kursstand"); }
  QMenu* Menu(const char* title) {
    for (QMenu* m : window->menuBar()->findChildren<QMenu*>())
      if (m->title() == QString::fromUtf8(title)) return m;
    return nullptr;
  }
  std::vector<std::string> Lines() {
    std::vector<std::string> lines;
    for (const auto& e : window->units) lines.push_back(e.float_text);
    return lines;
  }
  std::vector<std::string> Convert(const char* entry) {
    window->Edit_Eingabe->setText(QString::fromUtf8(entry));
    window->RechentasteClick();
    return Lines();
  }

  // A row's tooltip as plain text.
  std::string ToolTip(int row) {
    QAbstractItemModel* model = window->ListBoxEinheit->model();
    QTextDocument doc;
    doc.setHtml(model->data(model->index(row, 0), Qt::ToolTipRole).toString());
    return doc.toPlainText().toStdString();
  }

  std::string old_tzdir_;
};

TEST_F(SummerTimeWindow, MenuItemsInTheirPlaces) {
  OpenArea(kLaenge, false);
  QList<QAction*> datei = Menu("&Datei")->actions();
  ASSERT_EQ(datei.size(), 4);
  EXPECT_EQ(datei[0]->text(), "&Wechselkurse importieren...");
  EXPECT_EQ(datei[1], Refresh());
  EXPECT_EQ(Refresh()->text(), "&Zeitzonen aktualisieren");
  EXPECT_TRUE(datei[2]->isSeparator());
  EXPECT_EQ(datei[3], window->Beenden1);

  QList<QAction*> settings = Menu("&Einstellungen")->actions();
  qsizetype at = settings.indexOf(Option());
  ASSERT_GT(at, 1);
  EXPECT_EQ(settings[at - 2], window->EinheitensortierungnachLand1);
  EXPECT_TRUE(settings[at - 1]->isSeparator());
  EXPECT_TRUE(settings[at + 1]->isSeparator());
  EXPECT_EQ(settings[at + 2], window->Lnderauseinblenden1);
  EXPECT_EQ(Option()->text(), QString::fromUtf8("&Sommerzeit berücksichtigen"));
  EXPECT_TRUE(Option()->isCheckable());
  EXPECT_FALSE(Option()->isChecked());
}

// The choice lives in a fifth line of MSR.INI, written only when on.
TEST_F(SummerTimeWindow, TheChoiceIsKeptAcrossStarts) {
  const std::string four_lines = "44\r\n0\r\n0\r\n" + std::string(91, '1');
  OpenArea(kWeltzeit, false);
  Option()->trigger();
  EXPECT_TRUE(window->summer_time->on());
  window->close();
  EXPECT_EQ(ReadBytes("MSR.INI"), four_lines + "\r\n1");

  Open();
  EXPECT_TRUE(Option()->isChecked());
  Option()->trigger();
  window->close();
  EXPECT_EQ(ReadBytes("MSR.INI"), four_lines);
  Open();
  EXPECT_FALSE(Option()->isChecked());
}

TEST_F(SummerTimeWindow, ConversionWithAndWithoutTheOption) {
  OpenArea(kWeltzeit, false);
  window->SelectRow(0);  // Berlin
  // Off: the stored standard offsets; a date is no part of the entry.
  EXPECT_EQ(Convert("12:00"), (std::vector<std::string>{"12:00", "16:30", "06:00", "20:00", "21:00"}));
  boxes.shown.clear();
  Convert("12:00 15.07.");
  ASSERT_EQ(boxes.Texts(), (std::vector<std::string>{kBadTimeMessage}));

  Option()->trigger();
  EXPECT_FALSE(window->results_valid) << "results of the other way of converting go";
  // On: today's offsets (8 December: Sydney in summer time), or the day entered.
  EXPECT_EQ(Convert("12:00"), (std::vector<std::string>{"12:00", "16:30", "06:00", "20:00", "22:00"}));
  EXPECT_EQ(Convert("12:00 15.07."), (std::vector<std::string>{"12:00", "15:30", "06:00", "19:00", "20:00"}));
  EXPECT_EQ(Convert("12:00 29.03.26"), (std::vector<std::string>{"12:00", "15:30", "06:00", "19:00", "21:00"}));
  EXPECT_EQ(window->Label_Ausgangseinheit->text(), "12:00 29.03.26  Berlin");
  boxes.shown.clear();
  Convert("12:00 31.02.");
  EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{kBadTimeOrDateMessage}));

  // The place whose zone the system lacks keeps its offset and its row's
  // tooltip says so; the others name their zone.
  EXPECT_EQ(ToolTip(3), "Zeitzone: Test/Nowhere (tzdata 2026f)\nZeitzone Test/Nowhere unbekannt, Normalzeit aus der Datei");
  EXPECT_EQ(ToolTip(0), "Sommerzeit (+ 1 Stunde): Ende März bis Ende Okt.\nZeitzone: Europe/Berlin (tzdata 2026f)");
  EXPECT_EQ(ToolTip(1), "") << "an own place has no zone";
  Option()->trigger();
  EXPECT_EQ(ToolTip(3), "Zeitzone: Test/Nowhere (tzdata 2026f)") << "without the option no zone is read";
}

// Switched on, the zones of all places are read at once: a later
// conversion finds them even when the database has gone meanwhile.
TEST_F(SummerTimeWindow, SwitchingOnReadsTheZonesAhead) {
  OpenArea(kLaenge, false);
  Option()->trigger();
  std::filesystem::remove_all(dir.path() + "/zones");
  window->ComboBox1->setCurrentIndex(kWeltzeit - 1);
  window->ComboBox1Change();
  EXPECT_EQ(Convert("12:00 15.07."), (std::vector<std::string>{"12:00", "15:30", "06:00", "19:00", "20:00"}));
}

TEST_F(SummerTimeWindow, ThePanelShowsTheStateOfTheZoneData) {
  OpenArea(kWeltzeit, false);
  ASSERT_TRUE(Panel()->isVisible());
  EXPECT_EQ(Panel()->text(), "Zeitzonen: tzdata 2026f\nohne Sommerzeit (Normalzeit)");
  Option()->trigger();
  EXPECT_EQ(Panel()->text(), "Zeitzonen: tzdata 2026f\nmit Sommerzeit");
  window->ComboBox1->setCurrentIndex(kLaenge - 1);
  window->ComboBox1Change();
  EXPECT_FALSE(Panel()->isVisible());
}

TEST_F(SummerTimeWindow, RefreshThroughTheMenuReloadsTheShownPlaces) {
  OpenArea(kWeltzeit, false);
  window->SelectRow(4);  // Sydney
  Refresh()->trigger();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].kind, BoxKind::Information);
  EXPECT_EQ(boxes.shown[0].text,
            "Nach der Zeitzonen-Datenbank des Systems (tzdata 2099a, Jahr 2026) geändert:\n\n"
            "Sydney: Sommerzeit jetzt Anfang Okt. bis Anfang Apr.\n\n"
            "Dem System unbekannt, daher unverändert: Nirgendwo (Test/Nowhere).");
  EXPECT_EQ(window->units[static_cast<size_t>(window->SelectedIndex())].name(), "Sydney");
  EXPECT_EQ(Cp1252ToUtf8(TrimRightBlanks(FieldText(window->units[4].record.validity))), "Anfang Okt. bis Anfang Apr.");
  EXPECT_EQ(Panel()->text(), "Zeitzonen: tzdata 2099a\nohne Sommerzeit (Normalzeit)");

  boxes.shown.clear();
  const std::string refreshed = ReadBytes("WELTZEIT.DAT");
  Refresh()->trigger();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text.rfind("Die Orte der Weltzeit stimmen mit der Zeitzonen-Datenbank des Systems "
                                      "(tzdata 2099a, Jahr 2026) überein; nichts wurde geändert.",
                                      0),
            0u);
  EXPECT_EQ(ReadBytes("WELTZEIT.DAT"), refreshed);
}

TEST_F(SummerTimeWindow, RefreshFromAnotherAreaChangesOnlyTheFile) {
  OpenArea(kLaenge, false);
  const size_t lengths = window->units.size();
  Refresh()->trigger();
  EXPECT_EQ(window->units.size(), lengths);
  EXPECT_NE(ReadBytes("WELTZEIT.DAT"), kPlaces);
}

}  // namespace
}  // namespace mensurio::testing
