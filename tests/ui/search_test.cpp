// The unit search dialog and its jump, driven as a user would.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "catalogue.h"
#include "jump.h"
#include "ownunit.h"
#include "text.h"
#include "tsuch_dialog.h"
#include "uifixture.h"

namespace mensurio::testing {
namespace {

constexpr int kAnzahl = 1;
constexpr int kLaenge = 20;

UnitRecord Named(const std::string& name, int origin, int visible, const std::string& symbol = "",
                 const std::string& other = "") {
  UnitRecord r = MakeRecord(name, origin, 1, visible);
  if (!symbol.empty()) SetFieldText(r.symbol, symbol);
  if (!other.empty()) SetFieldText(r.other_name, other);
  return r;
}

class Search : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    WriteBytes("LAENGE.DAT", FileBytes({Named("Elle (Preu\xDF" "en)", 39, 0, "", "Berliner Elle"),
                                        Named("Fu\xDF", 3, 1, "ft   "), Named("Meter", 1, 1, "m"),
                                        Named("Zollelle", 90, 1, "", "Elle")}));
    WriteSettingsFile(kAnzahl);
    Open();
    dlg = window->Such_Dialog;
  }
  QStringList Lines() const {
    QStringList l;
    for (int i = 0; i < dlg->ListBox1->count(); ++i) l << dlg->ListBox1->item(i)->text();
    return l;
  }
  void Find(const QString& text, bool symbol = false) {
    (symbol ? dlg->RadioSymbol : dlg->RadioName)->setChecked(true);
    dlg->Edit1->setText(text);
    dlg->OKBtnClick();
  }
  ui::TSuch_Dialog* dlg = nullptr;
};

TEST_F(Search, NameSearchFoldsOnlyAToZ) {
  Find("ELLE");
  QStringList lines = Lines();
  EXPECT_TRUE(lines.contains(QString::fromUtf8("Elle (Preußen) - Deutschland - Preußen")));
  EXPECT_TRUE(lines.contains("Zollelle - USA"));  // one line although name and other name match
  EXPECT_EQ(lines.count("Zollelle - USA"), 1);
  EXPECT_EQ(dlg->Label4->text(), QString::number(lines.size()));
  EXPECT_TRUE(dlg->HelpBtn->isEnabled());
  Find("berliner");
  EXPECT_TRUE(Lines().contains(QString::fromUtf8("Berliner Elle - Deutschland - Preußen")));
  Find(QString::fromUtf8("PREUSSEN"));
  EXPECT_FALSE(Lines().contains(QString::fromUtf8("Elle (Preußen) - Deutschland - Preußen")));
  Find(QString::fromUtf8("fuß"));
  EXPECT_TRUE(Lines().contains(QString::fromUtf8("Fuß - Englisches System")));
  Find(QString::fromUtf8("FUß"));  // upper-case letters fold, ß stays
  EXPECT_TRUE(Lines().contains(QString::fromUtf8("Fuß - Englisches System")));
}

TEST_F(Search, EmptyNameSearchFindsNothing) {
  Find("");
  EXPECT_EQ(dlg->ListBox1->count(), 0);
  EXPECT_EQ(dlg->Label4->text(), "0");
  EXPECT_FALSE(dlg->HelpBtn->isEnabled());
}

TEST_F(Search, SymbolSearchIsAnEqualityTest) {
  Find("FT", true);
  EXPECT_TRUE(Lines().contains(QString::fromUtf8("ft - Fuß - Englisches System")));
  Find("f", true);
  EXPECT_FALSE(Lines().contains(QString::fromUtf8("ft - Fuß - Englisches System")));
  Find(" ft", true);
  EXPECT_FALSE(Lines().contains(QString::fromUtf8("ft - Fuß - Englisches System")));
}

TEST_F(Search, AnUnreadableFileKeepsTheHitsBefore) {
  std::filesystem::remove("MASSE.DAT");
  Find("meter");
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text,
            "Eine Datendatei konnte nicht gefunden werden. Bitte prüfen Sie, ob alle Datendateien vorhanden sind.");
  for (const auto& hit : dlg->Hits()) EXPECT_LT(hit.area_index, 29);
  EXPECT_TRUE(Lines().contains("Meter - SI-Einheit"));
}

TEST_F(Search, JumpToAShownUnitAsksNothing) {
  Find("Meter");
  int row = static_cast<int>(Lines().indexOf("Meter - SI-Einheit"));
  ASSERT_GE(row, 0);
  dlg->ListBox1->setCurrentRow(row);
  dlg->HelpBtnClick();
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_EQ(window->area_index, kLaenge);
  EXPECT_EQ(window->ComboBox1->currentIndex(), kLaenge - 1);
  EXPECT_EQ(window->Label_gewaehlte_einheit->text(), "Meter");
  EXPECT_EQ(dlg->result(), QDialog::Accepted);
}

TEST_F(Search, JumpToAHiddenUnitOfAHiddenCountryNeedsTwoYes) {
  window->origin_visible[39] = 0;
  Find("elle (preu");
  int row = static_cast<int>(Lines().indexOf(QString::fromUtf8("Elle (Preußen) - Deutschland - Preußen")));
  ASSERT_GE(row, 0);
  dlg->ListBox1->setCurrentRow(row);
  boxes.answers = {true, false};
  dlg->HelpBtnClick();
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[0].text,
            "Die Einheit, zu der gesprungen werden soll, ist von der Anzeige ausgeblendet. Soll sie eingeblendet "
            "werden?");
  EXPECT_EQ(boxes.shown[1].text,
            "Die Einheit, zu der gesprungen werden soll, ist aus einem Land, das von der Anzeige ausgeblendet ist. "
            "Soll das Land eingeblendet werden?");
  EXPECT_EQ(ReadBytes("LAENGE.DAT")[0], 1);  // shown again in its file
  EXPECT_EQ(window->area_index, kAnzahl);     // but no jump
  EXPECT_EQ(window->origin_visible[39], 0);
  boxes.shown.clear();
  boxes.answers = {true, true};
  dlg->HelpBtnClick();  // the hit still says hidden: both questions again
  EXPECT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(window->origin_visible[39], 1);
  EXPECT_EQ(window->area_index, kLaenge);
  EXPECT_EQ(window->Label_gewaehlte_einheit->text(), QString::fromUtf8("Elle (Preußen)"));
  EXPECT_EQ(window->StatusBar1->text(), QString::fromUtf8("Gewähltes Land:  Deutschland - Preußen"));
}

// A hit older than the file: an own unit inserted after the search moved
// the hidden unit one record down. The jump writes nothing, says so, and
// searches again; the new hit then jumps.
TEST_F(Search, AStaleHitWritesNothingAndSearchesAgain) {
  Find("elle (preu");
  int row = static_cast<int>(Lines().indexOf(QString::fromUtf8("Elle (Preußen) - Deutschland - Preußen")));
  ASSERT_GE(row, 0);
  ASSERT_EQ(dlg->Hits()[static_cast<size_t>(row)].record_number, 0);
  ASSERT_EQ(InsertOwnUnit(kLaenge, OwnUnitTexts{"Achtel", "", "", "", "1"}, boxes), OwnUnitResult::Inserted);
  const std::string after_insert = ReadBytes("LAENGE.DAT");
  dlg->ListBox1->setCurrentRow(row);
  boxes.answers = {true};
  dlg->HelpBtnClick();
  EXPECT_EQ(boxes.Texts(),
            (std::vector<std::string>{kJumpToHiddenUnitQuestion, FileChangedSinceSearchMessage("LAENGE.DAT")}));
  EXPECT_EQ(boxes.shown.back().kind, BoxKind::Information);
  EXPECT_EQ(ReadBytes("LAENGE.DAT"), after_insert);
  EXPECT_EQ(window->area_index, kAnzahl);
  EXPECT_NE(dlg->result(), QDialog::Accepted);
  row = static_cast<int>(Lines().indexOf(QString::fromUtf8("Elle (Preußen) - Deutschland - Preußen")));
  ASSERT_GE(row, 0);
  EXPECT_EQ(dlg->Hits()[static_cast<size_t>(row)].record_number, 1);  // searched again
  dlg->ListBox1->setCurrentRow(row);
  boxes.answers = {true};
  dlg->HelpBtnClick();
  EXPECT_EQ(ReadBytes("LAENGE.DAT")[kRecordSize], 1);
  EXPECT_EQ(window->Label_gewaehlte_einheit->text(), QString::fromUtf8("Elle (Preußen)"));
}

TEST_F(Search, TheDialogRemembersItsSearch) {
  int opened = 0;
  window->platform().show_modal = [&](QDialog& d) {
    d.show();
    ++opened;
    if (opened == 1) Find("zollelle");
    d.reject();
    return d.result();
  };
  window->SpeedButton4Click();
  window->SpeedButton4Click();
  EXPECT_EQ(dlg->Edit1->text(), "zollelle");
  EXPECT_EQ(dlg->ListBox1->count(), 1);
  EXPECT_TRUE(dlg->HelpBtn->isEnabled());
  EXPECT_EQ(dlg->Edit1->maxLength(), 20);
}

}  // namespace
}  // namespace mensurio::testing
