// The maintenance commands driven through the real dialogs, checked in the
// data files and in what the window shows.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "faultplan.h"
#include "maintenance.h"
#include "tdlg_eigene_einfuegen.h"
#include "tdlg_eigene_einfuegen_waehrung.h"
#include "tdlg_eigene_einfuegen_wz.h"
#include "tdlg_einheit_einblenden.h"
#include "tfaktor_aendern.h"
#include "tfaktor_aendern_waehrung.h"
#include "tfaktor_aendern_weltzeit.h"
#include "text.h"
#include "uifixture.h"
#include "unitrow.h"

namespace mensurio::testing {
namespace {

constexpr int kLaenge = 20;
constexpr int kTemperatur = 35;
constexpr int kWaehrungen = 41;
constexpr int kWeltzeit = 44;

UnitRecord RecordAt(const std::string& file, int n) {
  std::string bytes = ReadBytes(file);
  UnitRecord r;
  std::memcpy(&r, bytes.data() + n * 258, 258);
  return r;
}

std::vector<std::string> Names(const ui::TMyWindow& w) {
  std::vector<std::string> n;
  for (const auto& u : w.units) n.push_back(Cp1252ToUtf8(u.name()));
  return n;
}

// Länge: Elle (hidden, USA), Fuß, Meile, Meter, Zoll (hidden, Preußen).
void WriteLength() {
  WriteBytes("LAENGE.DAT", FileBytes({MakeRecord("Elle", 90, 0.9144L, 0), MakeRecord("Fu\xDF", 3, 0.3048L),
                                      MakeRecord("Meile", 3, 1609.344L), MakeRecord("Meter", 1, 1),
                                      MakeRecord("Zoll", 39, 0.02615L, 0)}));
}

class Maintenance : public WindowTest {
 protected:
  ui::TMyWindow& OpenArea(int area) {
    WriteSettingsFile(area);
    return Open();
  }
};

TEST_F(Maintenance, HideSelectsTheLineAboveAndWritesTheVisibleByte) {
  WriteLength();
  auto& w = OpenArea(kLaenge);
  ASSERT_EQ(Names(w), (std::vector<std::string>{"Fuß", "Meile", "Meter"}));
  w.ListBoxEinheit->setCurrentRow(2);
  w.ConvertCommand();
  EXPECT_EQ(w.Einheitausblenden1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Delete));
  w.Einheitausblenden1->trigger();
  EXPECT_EQ(Names(w), (std::vector<std::string>{"Fuß", "Meile"}));
  EXPECT_EQ(w.ListBoxEinheit->count(), 2);
  EXPECT_EQ(w.ListBoxEinheit->currentRow(), 1);
  EXPECT_EQ(w.Label_gewaehlte_einheit->text(), "Meile");
  EXPECT_FALSE(w.results_valid);
  EXPECT_FALSE(w.Timer1->isActive());
  EXPECT_EQ(RecordAt("LAENGE.DAT", 3).visible, 0);
  std::string before = ReadBytes("LAENGE.DAT");
  w.SelectRow(0);
  w.SpeedButton3Click();
  w.SpeedButton3Click();
  EXPECT_TRUE(w.units.empty());
  EXPECT_EQ(w.StatusBar1->text(), "");
  EXPECT_EQ(w.Label_gewaehlte_einheit->text(), "");
  EXPECT_TRUE(boxes.shown.empty());  // no question, no message
  std::string after = ReadBytes("LAENGE.DAT");
  EXPECT_EQ(after[258], 0);
  EXPECT_EQ(after[2 * 258], 0);
  before[258] = before[2 * 258] = 0;
  EXPECT_EQ(after, before);  // nothing else changed
}

TEST_F(Maintenance, AFailedHideIsReportedAndKeepsTheEntry) {
  WriteLength();
  auto& w = OpenArea(kLaenge);
  {
    FaultPlan plan(3, kIoAccessDenied);  // open, seek, read fails
    w.Einheitausblenden1Click();
  }
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].caption, "Mensurio");
  EXPECT_EQ(boxes.shown[0].text, "Dateizugriff verweigert.");
  EXPECT_EQ(w.units.size(), 3u);
  EXPECT_EQ(w.ListBoxEinheit->count(), 3);
}

TEST_F(Maintenance, ReshowDialogListsMarksAndReloads) {
  WriteLength();
  auto& w = OpenArea(kLaenge);
  When<ui::TDlg_Einheit_einblenden>([&](ui::TDlg_Einheit_einblenden& d) {
    EXPECT_EQ(d.Label2->text(), QString::fromUtf8("Länge"));
    EXPECT_EQ(d.Label3->text(), "Ausgeblendete Einheiten:");
    ASSERT_EQ(d.ListBox1->count(), 2);
    EXPECT_EQ(d.ListBox1->item(0)->text(), "Elle - USA");
    EXPECT_EQ(d.ListBox1->item(1)->text(), QString::fromUtf8("Zoll - Deutschland - Preußen"));
    EXPECT_TRUE(d.ListBox1->item(0)->isSelected());
    d.ListBox1->clearSelection();
    d.ListBox1->item(1)->setSelected(true);
    d.BitBtn1Click();
    ASSERT_EQ(d.ListBox1->count(), 1);
    EXPECT_EQ(d.ListBox1->item(0)->text(), "Elle - USA");
    EXPECT_EQ(RecordAt("LAENGE.DAT", 4).visible, 1);
    EXPECT_EQ(w.units.size(), 3u);  // the main list waits for "Beenden"
    d.OKBtn->click();
  });
  w.Einheiteinblenden1Click();
  EXPECT_EQ(Names(w), (std::vector<std::string>{"Fuß", "Meile", "Meter", "Zoll"}));
  EXPECT_EQ(RecordAt("LAENGE.DAT", 0).visible, 0);
  // Opening again lists the remaining one once; "Alle" shows it and closes.
  When<ui::TDlg_Einheit_einblenden>([&](ui::TDlg_Einheit_einblenden& d) {
    ASSERT_EQ(d.ListBox1->count(), 1);
    d.BitBtn2->click();
    EXPECT_FALSE(d.isVisible());
  });
  w.Einheiteinblenden1Click();
  EXPECT_EQ(Names(w), (std::vector<std::string>{"Elle", "Fuß", "Meile", "Meter", "Zoll"}));
  // Nothing hidden any more: the red notice, both buttons off, no reload.
  w.units.pop_back();
  When<ui::TDlg_Einheit_einblenden>([&](ui::TDlg_Einheit_einblenden& d) {
    EXPECT_EQ(d.Label3->text(), "Es sind keine Einheiten ausgeblendet!");
    EXPECT_FALSE(d.BitBtn1->isEnabled());
    EXPECT_FALSE(d.BitBtn2->isEnabled());
    d.OKBtn->click();
  });
  w.Einheiteinblenden1Click();
  EXPECT_EQ(w.units.size(), 4u);
}

// The file changed while the re-show dialog was open: "Markierte Einheit
// einblenden" writes nothing, says so, and lists the file anew.
TEST_F(Maintenance, ReshowOfAChangedFileListsItAnew) {
  WriteLength();
  auto& w = OpenArea(kLaenge);
  const std::string changed = FileBytes({MakeRecord("Achtel", 4, 1, 0), MakeRecord("Elle", 90, 0.9144L, 0),
                                         MakeRecord("Meter", 1, 1), MakeRecord("Zoll", 39, 0.02615L, 0)});
  When<ui::TDlg_Einheit_einblenden>([&](ui::TDlg_Einheit_einblenden& d) {
    ASSERT_EQ(d.ListBox1->count(), 2);  // Elle (record 0), Zoll (record 4)
    WriteBytes("LAENGE.DAT", changed);
    d.ListBox1->item(0)->setSelected(true);
    d.BitBtn1Click();
    EXPECT_EQ(ReadBytes("LAENGE.DAT"), changed);
    ASSERT_EQ(d.ListBox1->count(), 3);
    EXPECT_EQ(d.ListBox1->item(1)->text(), "Elle - USA");
    EXPECT_EQ(d.Lines()[1].record_number, 1);
    d.OKBtn->click();
  });
  w.Einheiteinblenden1Click();
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{FileChangedMessage("LAENGE.DAT")});
  EXPECT_EQ(Names(w), (std::vector<std::string>{"Meter"}));
}

TEST_F(Maintenance, ReshowOfAUnitOfAHiddenCountryListsItOnlyWhenShown) {
  WriteLength();
  auto& w = OpenArea(kLaenge);
  w.origin_visible[90] = 0;
  When<ui::TDlg_Einheit_einblenden>([](ui::TDlg_Einheit_einblenden& d) { d.BitBtn2->click(); });
  w.Einheiteinblenden1Click();
  EXPECT_EQ(Names(w), (std::vector<std::string>{"Fuß", "Meile", "Meter", "Zoll"}));
  EXPECT_EQ(RecordAt("LAENGE.DAT", 0).visible, 1);
}

TEST_F(Maintenance, DeleteHiddenUnitsRewritesTheFile) {
  WriteLength();
  auto& w = OpenArea(kLaenge);
  boxes.answers = {false};
  w.AusgeblendeteEinheitenlschen1Click();
  EXPECT_EQ(ReadBytes("LAENGE.DAT").size(), 5u * 258);
  boxes.answers = {true};
  w.AusgeblendeteEinheitenlschen1Click();
  EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{
                               "Sollen die ausgeblendeten Einheiten des Gebietes \"Länge\" wirklich aus der "
                               "Datendatei gelöscht werden?",
                               "Sollen die ausgeblendeten Einheiten des Gebietes \"Länge\" wirklich aus der "
                               "Datendatei gelöscht werden?",
                               "Die ausgeblendeten Einheiten sind gelöscht!"}));
  EXPECT_EQ(ReadBytes("LAENGE.DAT").size(), 3u * 258);
  EXPECT_FALSE(std::filesystem::exists("TEMP.DAT"));
  // The reloaded numbers address the right records: hide the last one.
  w.SelectRow(2);
  w.Einheitausblenden1Click();
  EXPECT_EQ(RecordAt("LAENGE.DAT", 2).visible, 0);
  EXPECT_EQ(FieldText(RecordAt("LAENGE.DAT", 2).name), "Meter");
}

TEST_F(Maintenance, TemperatureRefusesDeletingAndOwnUnits) {
  auto& w = OpenArea(kTemperatur);
  std::string before = ReadBytes("TEMPERA.DAT");
  w.AusgeblendeteEinheitenlschen1Click();
  int dialogs = 0;
  window->platform().show_modal = [&](QDialog&) { return ++dialogs; };
  w.EigeneEinheiteinfgen1Click();
  EXPECT_EQ(dialogs, 0);
  EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{
                               "Beim Gebiet \"Temperatur\" können keine Einheiten gelöscht werden!",
                               "Beim Gebiet \"Temperatur\" können keine eigenen Einheiten eingefügt werden!"}));
  EXPECT_EQ(boxes.shown[1].kind, BoxKind::Information);
  EXPECT_EQ(ReadBytes("TEMPERA.DAT"), before);
}

TEST_F(Maintenance, OwnUnitGoesInNameOrderAndTheEntriesStay) {
  WriteLength();
  auto& w = OpenArea(kLaenge);
  When<ui::TDlg_eigene_einfuegen>([&](ui::TDlg_eigene_einfuegen& d) {
    EXPECT_EQ(d.Label6->text(), "Meter");
    EXPECT_EQ(d.Edit1->maxLength(), 34);
    EXPECT_EQ(d.Edit2->maxLength(), 20);
    d.Edit1->setText("meile");
    d.Edit5->setText("2 m");
    d.OKBtn->click();  // refused: the dialog stays open
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), d.Edit5);
    d.Edit5->setText("2,54");
    d.OKBtn->click();
  });
  w.EigeneEinheiteinfgen1Click();
  EXPECT_EQ(boxes.Texts(),
            (std::vector<std::string>{"Falsche oder keine Angabe im Feld \"Umrechnungsfaktor\"! Bitte ändern!"}));
  EXPECT_EQ(Names(w), (std::vector<std::string>{"Fuß", "meile", "Meile", "Meter"}));
  EXPECT_EQ(w.ListBoxEinheit->currentRow(), 0);
  UnitRecord r = RecordAt("LAENGE.DAT", 2);
  EXPECT_EQ(FieldText(r.name), "meile");
  EXPECT_EQ(r.origin, 4);
  EXPECT_EQ(r.visible, 1);
  EXPECT_EQ(FieldText(r.symbol), std::string(20, ' '));
  EXPECT_EQ(r.Factor(), Real48ToExtended(ExtendedToReal48(2.54L)));
  When<ui::TDlg_eigene_einfuegen>([&](ui::TDlg_eigene_einfuegen& d) {
    EXPECT_EQ(d.Edit1->text(), "meile");  // the entries of the last use
    EXPECT_EQ(d.Edit5->text(), "2,54");
    d.CancelBtn->click();
  });
  w.EigeneEinheiteinfgen1Click();
  EXPECT_EQ(ReadBytes("LAENGE.DAT").size(), 6u * 258);
}

// Characters a data file cannot hold are refused with a message naming
// them, the dialog stays open and nothing is written; a composed accent is
// stored as its Windows-1252 letter.
TEST_F(Maintenance, TextsTheDataFilesCannotHoldAreRefused) {
  WriteLength();
  auto& w = OpenArea(kLaenge);
  const std::string before = ReadBytes("LAENGE.DAT");
  When<ui::TDlg_eigene_einfuegen>([&](ui::TDlg_eigene_einfuegen& d) {
    d.Edit1->setText(QString::fromUtf8("Дюйм"));
    d.Edit5->setText("0,0254");
    d.OKBtn->click();
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), d.Edit1);
    d.Edit1->setText("Klafter");
    d.Edit3->setText(QString::fromUtf8("alt\tneu"));
    d.OKBtn->click();
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), d.Edit3);
    EXPECT_EQ(ReadBytes("LAENGE.DAT"), before);
    d.Edit1->setText(QString::fromUtf8("Aune de Pe\u0301rigord"));
    d.Edit3->setText("");
    d.OKBtn->click();
  });
  w.EigeneEinheiteinfgen1Click();
  EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{UnstorableCharacterMessage(U'\u0414'),
                                                     UnstorableCharacterMessage(U'\t')}));
  EXPECT_EQ(boxes.shown[0].kind, BoxKind::Information);
  EXPECT_EQ(FieldText(RecordAt("LAENGE.DAT", 0).name), "Aune de P\xe9rigord");
}

// Another program changed the file under the window: a hide or a factor
// change writes nothing, says so, and the list is read again.
TEST_F(Maintenance, AFileChangedUnderTheWindowIsReadAgainNotWritten) {
  WriteLength();
  auto& w = OpenArea(kLaenge);
  ASSERT_EQ(Names(w), (std::vector<std::string>{"Fuß", "Meile", "Meter"}));
  const std::string changed = FileBytes({MakeRecord("Achtel", 4, 1), MakeRecord("Elle", 90, 0.9144L, 0),
                                         MakeRecord("Fu\xDF", 3, 0.3048L), MakeRecord("Meile", 3, 1609.344L),
                                         MakeRecord("Meter", 1, 1), MakeRecord("Zoll", 39, 0.02615L, 0)});
  WriteBytes("LAENGE.DAT", changed);
  w.ListBoxEinheit->setCurrentRow(1);  // Meile, remembered at record 2, where Fuß now stands
  w.Einheitausblenden1Click();
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{FileChangedMessage("LAENGE.DAT")});
  EXPECT_EQ(ReadBytes("LAENGE.DAT"), changed);
  EXPECT_EQ(Names(w), (std::vector<std::string>{"Achtel", "Fuß", "Meile", "Meter"}));

  WriteLength();  // and back: the list read above is out of date again
  const std::string back = ReadBytes("LAENGE.DAT");
  boxes.shown.clear();
  w.ListBoxEinheit->setCurrentRow(0);
  When<ui::TFaktor_aendern>([&](ui::TFaktor_aendern& d) {
    d.Edit1->setText("3");
    d.OKBtn->click();
  });
  w.Umrechnungsfaktorndern1Click();
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{FileChangedMessage("LAENGE.DAT")});
  EXPECT_EQ(Names(w), (std::vector<std::string>{"Fuß", "Meile", "Meter"}));
  EXPECT_EQ(ReadBytes("LAENGE.DAT"), back);
}

TEST_F(Maintenance, OwnCurrencyAndOwnPlace) {
  auto& w = OpenArea(kWaehrungen);
  When<ui::TDlg_eigene_einfuegen_Waehrung>([&](ui::TDlg_eigene_einfuegen_Waehrung& d) {
    EXPECT_EQ(d.windowTitle(), QString::fromUtf8("Eigene Einheit einfügen - Währung"));
    EXPECT_EQ(d.Label6->text(), "DM");
    d.Edit1->setText("Taler");
    d.Edit3->setText("ca. 3 DM");
    d.Edit4->setText("1.1.1800");
    d.Edit5->setText("3");
    d.OKBtn->click();
  });
  w.EigeneEinheiteinfgen1Click();
  auto taler = std::find_if(w.units.begin(), w.units.end(), [](auto& u) { return u.name() == "Taler"; });
  ASSERT_NE(taler, w.units.end());
  EXPECT_EQ(FieldText(taler->record.other_name), "ca. 3 DM");
  EXPECT_EQ(FieldText(taler->record.validity), "1.1.1800");
  EXPECT_EQ(FieldText(taler->record.approx_value), std::string(21, ' '));

  w.ComboBox1->setCurrentIndex(kWeltzeit - 1);
  w.ComboBox1Change();
  When<ui::TDlg_eigene_einfuegen_WZ>([&](ui::TDlg_eigene_einfuegen_WZ& d) {
    EXPECT_EQ(d.Edit5->maxLength(), 4);
    d.Edit1->setText("Zuhause");
    d.Edit5->setText("90");
    d.OKBtn->click();
  });
  w.EigeneEinheiteinfgen1Click();
  auto home = std::find_if(w.units.begin(), w.units.end(), [](auto& u) { return u.name() == "Zuhause"; });
  ASSERT_NE(home, w.units.end());
  EXPECT_NEAR(static_cast<double>(home->record.Factor()), 1.5, 1e-12);
}

TEST_F(Maintenance, FactorChangeUpdatesFileAndListWithoutReload) {
  WriteLength();
  auto& w = OpenArea(kLaenge);
  w.ListBoxEinheit->setCurrentRow(0);  // Fuß
  w.ConvertCommand();
  std::string before = ReadBytes("LAENGE.DAT");
  When<ui::TFaktor_aendern>([&](ui::TFaktor_aendern& d) {
    EXPECT_EQ(d.Edit1->text(), " 3,04800000E-0001");
    EXPECT_EQ(d.Label2->text(), QString::fromUtf8("Länge"));
    EXPECT_EQ(d.Label4->text(), "Englisches System");
    EXPECT_EQ(d.Label6->text(), QString::fromUtf8("Fuß"));
    EXPECT_EQ(d.Label8->text(), "Meter");
    d.Edit1->setText("   ");
    d.OKBtn->click();
    EXPECT_TRUE(d.isVisible());
    d.Edit1->setText("0.5");
    d.OKBtn->click();
  });
  w.Umrechnungsfaktorndern1Click();
  EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{"Falsche oder keine Angabe im Eingabefeld! Bitte ändern!"}));
  EXPECT_FALSE(w.results_valid);
  EXPECT_FALSE(w.Timer1->isActive());
  EXPECT_EQ(w.ListBoxEinheit->currentRow(), 0);
  EXPECT_EQ(w.units[0].record.Factor(), 0.5L);
  std::string after = ReadBytes("LAENGE.DAT");
  EXPECT_EQ(RecordAt("LAENGE.DAT", 1).Factor(), 0.5L);
  EXPECT_EQ(after.substr(0, 258 + 58), before.substr(0, 258 + 58));  // only the factor bytes differ
  EXPECT_EQ(after.substr(258 + 64), before.substr(258 + 64));
}

TEST_F(Maintenance, CurrencyAndWorldTimeFactorTexts) {
  auto& w = OpenArea(kWaehrungen);
  auto euro = std::find_if(w.units.begin(), w.units.end(), [](auto& u) { return u.name() == "Euro"; });
  ASSERT_NE(euro, w.units.end());
  w.ListBoxEinheit->setCurrentRow(static_cast<int>(euro - w.units.begin()));
  When<ui::TFaktor_aendern_Waehrung>([&](ui::TFaktor_aendern_Waehrung& d) {
    EXPECT_EQ(d.Edit1->text(), " 1,9558E+0000");
    EXPECT_EQ(d.Edit2->maxLength(), 32);
    EXPECT_EQ(d.Edit3->maxLength(), 21);
    d.Edit3->setText("");
    d.OKBtn->click();
  });
  w.Umrechnungsfaktorndern1Click();
  const UnitRecord& r = w.units[static_cast<size_t>(w.ListBoxEinheit->currentRow())].record;
  EXPECT_EQ(FieldText(r.approx_value), std::string(21, ' '));
  EXPECT_NEAR(static_cast<double>(r.Factor()), 1.9558, 1e-12);

  w.ComboBox1->setCurrentIndex(kWeltzeit - 1);
  w.ComboBox1Change();
  w.ListBoxEinheit->setCurrentRow(0);
  When<ui::TFaktor_aendern_Weltzeit>([&](ui::TFaktor_aendern_Weltzeit& d) {
    d.Edit1->setText("-90");
    d.Edit2->setText("nie");
    d.OKBtn->click();
  });
  w.Umrechnungsfaktorndern1Click();
  EXPECT_NEAR(static_cast<double>(w.units[0].record.Factor()), -1.5, 1e-12);
  EXPECT_EQ(FieldText(w.units[0].record.validity), "nie");
  When<ui::TFaktor_aendern_Weltzeit>([&](ui::TFaktor_aendern_Weltzeit& d) {
    EXPECT_EQ(d.Edit1->text(), "-90");
    EXPECT_EQ(d.Edit2->text(), "nie");
    d.CancelBtn->click();
  });
  w.Umrechnungsfaktorndern1Click();
  EXPECT_FALSE(w.factor_changed);
}

TEST_F(Maintenance, ChangesSurviveARestart) {
  WriteLength();
  auto& w = OpenArea(kLaenge);
  w.SelectRow(1);
  w.Einheitausblenden1Click();  // Meile
  When<ui::TDlg_eigene_einfuegen>([](ui::TDlg_eigene_einfuegen& d) {
    d.Edit1->setText("Rute");
    d.Edit5->setText("3,766");
    d.OKBtn->click();
  });
  w.EigeneEinheiteinfgen1Click();
  w.Fliekommaanzeige1Click();
  w.close();
  window.reset();
  auto& again = Open();
  EXPECT_EQ(Names(again), (std::vector<std::string>{"Fuß", "Meter", "Rute"}));
  EXPECT_FALSE(again.scientific_display);
}

}  // namespace
}  // namespace mensurio::testing
