#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "text.h"
#include "tlaender_dlg.h"
#include "tueberbox.h"
#include "tvorsatzzeichen.h"
#include "uifixture.h"
#include "unitrow.h"

namespace mensurio::testing {
namespace {

constexpr int kLaenge = 20;

void WriteLength() {
  WriteBytes("LAENGE.DAT", FileBytes({MakeRecord("Elle", 39, 0.66694L), MakeRecord("Fu\xDF", 37, 0.3L),
                                      MakeRecord("Meile", 36, 7532.5L), MakeRecord("Meter", 1, 1),
                                      MakeRecord("Mein Ma\xDF", 4, 2)}));
}

std::vector<std::string> Names(const ui::TMyWindow& w) {
  std::vector<std::string> n;
  for (const auto& u : w.units) n.push_back(Cp1252ToUtf8(u.name()));
  return n;
}

class Countries : public WindowTest {
 protected:
  ui::TMyWindow& OpenLength() {
    WriteLength();
    WriteSettingsFile(kLaenge);
    auto& w = Open();
    dlg = w.Laender_Dlg;
    return w;
  }
  ui::TLaender_Dlg* dlg = nullptr;
};

TEST_F(Countries, AllOffLeavesOnlyOwnUnits) {
  auto& w = OpenLength();
  w.origin_visible[4] = 1;
  w.origin_visible[10] = 7;
  w.origin_visible[59] = 0;
  dlg->FormShow();
  EXPECT_EQ(dlg->CheckBox[19]->text(), "D-Baden");
  EXPECT_EQ(dlg->CheckBox[26]->text(), "Griechenl.antik");
  EXPECT_TRUE(dlg->CheckBox[18]->isChecked());
  dlg->BitBtn2Click();
  dlg->OKBtnClick();
  EXPECT_EQ(Names(w), (std::vector<std::string>{"Mein Maß"}));
  EXPECT_EQ(w.origin_visible[10], 7);  // codes without a box keep their values
  EXPECT_EQ(w.origin_visible[59], 0);
  EXPECT_EQ(w.origin_visible[4], 1);
  EXPECT_EQ(w.origin_visible[1], 0);
  EXPECT_EQ(w.origin_visible[91], 0);
}

TEST_F(Countries, EachCodeIsSwitchedOnItsOwn) {
  auto& w = OpenLength();
  dlg->FormShow();
  dlg->CheckBox[18]->setChecked(false);  // Deutschland, code 36
  dlg->OKBtnClick();
  EXPECT_EQ(Names(w), (std::vector<std::string>{"Elle", "Fuß", "Meter", "Mein Maß"}));
  EXPECT_EQ(w.ListBoxEinheit->currentRow(), 0);
  EXPECT_FALSE(w.results_valid);
}

TEST_F(Countries, CancelDiscardsAndTheNextOpeningShowsTheFlags) {
  auto& w = OpenLength();
  w.origin_visible[90] = 2;  // neither 0 nor 1: unchecked
  dlg->FormShow();
  EXPECT_FALSE(dlg->CheckBox[62]->isChecked());
  dlg->BitBtn2Click();
  dlg->reject();
  dlg->FormShow();
  EXPECT_TRUE(dlg->CheckBox[0]->isChecked());
  EXPECT_EQ(w.units.size(), 5u);
  dlg->OKBtnClick();
  EXPECT_EQ(w.origin_visible[90], 0);
}

TEST_F(Countries, OkReloadsAndClearsTheResults) {
  auto& w = OpenLength();
  w.SelectRow(3);
  w.ConvertCommand();
  ASSERT_TRUE(w.results_valid);
  dlg->FormShow();
  dlg->OKBtnClick();
  EXPECT_FALSE(w.results_valid);
  EXPECT_FALSE(w.Timer1->isActive());
  EXPECT_EQ(w.ListBoxEinheit->currentRow(), 0);
  EXPECT_TRUE(w.units[3].scientific_text.empty());
}

TEST_F(Countries, EverythingHiddenGivesTheEmptyListMessage) {
  auto& w = OpenLength();
  w.origin_visible[4] = 0;
  dlg->FormShow();
  dlg->BitBtn2Click();
  dlg->OKBtnClick();
  EXPECT_TRUE(w.units.empty());
  EXPECT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(w.StatusBar1->text(), "");
  EXPECT_EQ(w.Label_gewaehlte_einheit->text(), "");
}

TEST_F(Countries, BoxesFitTheirGroup) {
  auto& w = OpenLength();
  (void)w;
  dlg->FormShow();
  for (QCheckBox* c : dlg->CheckBox) {
    EXPECT_TRUE(dlg->GroupBox1->rect().contains(c->geometry())) << c->objectName().toStdString();
    EXPECT_LE(c->sizeHint().width(), c->width() + 4) << c->text().toStdString();
  }
}

TEST_F(WindowTest, PrefixTableHasItsSeventeenLinesAndOpensOnce) {
  auto& w = Open();
  QStringList lines = ui::TVorsatzzeichen::CardText().split('\n');
  ASSERT_EQ(lines.size(), 17);
  EXPECT_EQ(lines[0], QString::fromUtf8("Vorsätze und Vorsatzzeichen"));
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[8], " " + QString(19, '-'));
  EXPECT_EQ(lines[12], QString::fromUtf8(" µ  = Mikro = 10^-6"));
  EXPECT_EQ(lines[16], " a  = Atto  = 10^-18");
  w.Vorsatzzeichen1Click();
  w.Vorsatzzeichen1Click();
  EXPECT_TRUE(w.Vorsatzzeichen->isVisible());
  EXPECT_EQ(w.findChildren<ui::TVorsatzzeichen*>().size(), 1);
  EXPECT_FALSE(w.Vorsatzzeichen->Vorsatzzeichen->isEnabled());
  EXPECT_EQ(w.Vorsatzzeichen->OKBtn->text(), QString::fromUtf8("Schließen"));
  QFontMetrics fm(w.Vorsatzzeichen->Vorsatzzeichen->font());
  EXPECT_LE(fm.lineSpacing() * 17 + 8, 233);
  for (const QString& line : lines) EXPECT_LE(fm.horizontalAdvance(line) + 8, 233) << line.toStdString();
  w.Vorsatzzeichen->OKBtnClick();
  EXPECT_FALSE(w.Vorsatzzeichen->isVisible());
}

TEST_F(WindowTest, AboutBox) {
  auto& w = Open();
  int shown = 0;
  window->platform().show_modal = [&](QDialog& d) {
    ++shown;
    auto& about = dynamic_cast<ui::TueberBox&>(d);
    EXPECT_EQ(about.windowTitle(), QString::fromUtf8("Über Mensurio"));
    EXPECT_EQ(about.Label11->text(), "Mensurio");
    EXPECT_EQ(about.Label12->text(), QString::fromUtf8("Version 4.0 für Windows 95"));
    EXPECT_FALSE(about.Image1->pixmap().isNull());
    EXPECT_EQ(about.findChildren<QPushButton*>().size(), 1);
    return 1;
  };
  w.ber1Click();
  EXPECT_EQ(shown, 1);
}

TEST_F(WindowTest, AreaInformationFollowsTheArea) {
  std::string info(47 * 601, '\0');
  info.replace(19 * 601, 10, "\xDC" "ber L\xE4nge");
  info.replace(28 * 601, 600, std::string(600, 'm'));
  WriteBytes("G_INFO.DAT", info);
  WriteSettingsFile(kLaenge);
  auto& w = Open();
  w.SpeedButton2Click();
  w.ComboBox1->setCurrentIndex(28);
  w.ComboBox1Change();
  w.SpeedButton2Click();
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[0].caption, "Gebiet-Information");
  EXPECT_EQ(boxes.shown[0].text, "Über Länge");
  EXPECT_EQ(boxes.shown[1].text, std::string(600, 'm'));
}

TEST_F(WindowTest, ShortInformationFileEndsInTheErrorReport) {
  WriteBytes("G_INFO.DAT", std::string(10 * 601, 'x'));
  WriteSettingsFile(kLaenge);
  auto& w = Open();
  w.SpeedButton2Click();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].caption, "Mensurio");
  EXPECT_EQ(boxes.shown[0].text, "Lesen nach Dateiende (EOF).");
}

}  // namespace
}  // namespace mensurio::testing
