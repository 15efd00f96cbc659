// Enter, Esc and the close box in the dialogs, and the keys of the main
// window, as a keyboard user meets them.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QWindow>

#include "tdlg_einheit_einblenden.h"
#include "qttext.h"
#include "text.h"
#include "tlaender_dlg.h"
#include "tsuch_dialog.h"
#include "uifixture.h"
#include "unitrow.h"

namespace mensurio::testing {
namespace {

constexpr int kLaenge = 20;
constexpr int kWaehrungen = 41;
constexpr int kWeltzeit = 44;

// Länge: Elle (hidden), Fuß, Meile, Meter, Zoll (hidden).
void WriteLength() {
  WriteBytes("LAENGE.DAT", FileBytes({MakeRecord("Elle", 90, 0.9144L, 0), MakeRecord("Fu\xDF", 3, 0.3048L),
                                      MakeRecord("Meile", 3, 1609.344L), MakeRecord("Meter", 1, 1),
                                      MakeRecord("Zoll", 39, 0.02615L, 0)}));
}

std::vector<std::string> Names(const ui::TMyWindow& w) {
  std::vector<std::string> n;
  for (const auto& u : w.units) n.push_back(Cp1252ToUtf8(u.name()));
  return n;
}

// A key as the user types it: to the widget that has the focus.
void Press(QWidget& window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWidget* focus = QApplication::focusWidget();
  QTest::keyClick(focus && focus->window() == &window ? focus : &window, static_cast<Qt::Key>(key), modifiers);
}

class DialogKeys : public WindowTest {
 protected:
  ui::TMyWindow& OpenArea(int area) {
    WriteLength();
    WriteSettingsFile(area);
    auto& w = Open();
    w.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
    return w;
  }
};

TEST_F(DialogKeys, EnterOnCancelInTheCountriesDialogCancels) {
  auto& w = OpenArea(kLaenge);
  When<ui::TLaender_Dlg>([&](ui::TLaender_Dlg& d) {
    d.activateWindow();
    d.BitBtn2->click();  // "Alle Markierungen aus"
    d.CancelBtn->setFocus(Qt::BacktabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), d.CancelBtn);
    Press(d, Qt::Key_Return);
    EXPECT_FALSE(d.isVisible());
  });
  w.Lnderauseinblenden1Click();
  EXPECT_EQ(w.origin_visible, AllOriginsShown());
  EXPECT_EQ(Names(w), (std::vector<std::string>{"Fuß", "Meile", "Meter"}));
  // Enter anywhere else still answers with the default button, OK.
  When<ui::TLaender_Dlg>([&](ui::TLaender_Dlg& d) {
    d.activateWindow();
    d.CheckBox[2]->setFocus();  // "Englisches System"
    Press(d, Qt::Key_Space);
    Press(d, Qt::Key_Return);
    EXPECT_FALSE(d.isVisible());
  });
  w.Lnderauseinblenden1Click();
  EXPECT_EQ(Names(w), (std::vector<std::string>{"Meter"}));
}

TEST_F(DialogKeys, EnterOnGoToJumpsAndInTheEntrySearches) {
  auto& w = OpenArea(1);
  When<ui::TSuch_Dialog>([&](ui::TSuch_Dialog& d) {
    d.activateWindow();
    d.Edit1->setFocus();
    QTest::keyClicks(d.Edit1, "Meile");
    Press(d, Qt::Key_Return);  // "Suche starten"
    auto hits = d.ListBox1->findItems("Meile - Englisches System", Qt::MatchExactly);
    ASSERT_EQ(hits.size(), 1);
    d.ListBox1->setCurrentItem(hits[0]);
    d.HelpBtn->setFocus(Qt::TabFocusReason);
    Press(d, Qt::Key_Return);  // "Gehe zu"
    EXPECT_FALSE(d.isVisible());
  });
  w.Einheitensuchen1Click();
  EXPECT_EQ(w.area_index, kLaenge);
  EXPECT_EQ(w.Label_gewaehlte_einheit->text(), "Meile");
}

// Esc and the close box are "Abbrechen": an earlier OK does not make the
// window reload (and lose its results) once more.
TEST_F(DialogKeys, EscAndTheCloseBoxCancelOwnUnitAndFactorDialogs) {
  struct Case {
    int area;
    void (ui::TMyWindow::*command)();
    bool ui::TMyWindow::*flag;
  };
  const Case cases[] = {
      {kLaenge, &ui::TMyWindow::EigeneEinheiteinfgen1Click, &ui::TMyWindow::unit_inserted},
      {kWaehrungen, &ui::TMyWindow::EigeneEinheiteinfgen1Click, &ui::TMyWindow::unit_inserted},
      {kWeltzeit, &ui::TMyWindow::EigeneEinheiteinfgen1Click, &ui::TMyWindow::unit_inserted},
      {kLaenge, &ui::TMyWindow::Umrechnungsfaktorndern1Click, &ui::TMyWindow::factor_changed},
      {kWaehrungen, &ui::TMyWindow::Umrechnungsfaktorndern1Click, &ui::TMyWindow::factor_changed},
      {kWeltzeit, &ui::TMyWindow::Umrechnungsfaktorndern1Click, &ui::TMyWindow::factor_changed},
  };
  auto& w = OpenArea(kLaenge);
  for (const Case& c : cases) {
    for (bool esc : {true, false}) {
      w.ComboBox1->setCurrentIndex(c.area - 1);
      w.ComboBox1Change();
      w.Edit_Eingabe->setText(c.area == kWeltzeit ? "12:00" : "1,0");
      std::string before = ReadBytes(AreaCatalogue(c.area).file);
      w.ConvertCommand();
      ASSERT_TRUE(w.results_valid);
      w.*(c.flag) = true;  // as an earlier OK left it
      QString title;
      When<QDialog>([&](QDialog& d) {
        title = d.windowTitle();
        d.activateWindow();
        if (esc)
          Press(d, Qt::Key_Escape);
        else
          d.close();
        EXPECT_FALSE(d.isVisible());
      });
      (w.*(c.command))();
      std::string what = title.toStdString() + (esc ? " Esc" : " close box");
      EXPECT_FALSE(w.*(c.flag)) << what;
      EXPECT_TRUE(w.results_valid) << what;
      EXPECT_TRUE(w.Timer1->isActive()) << what;
      EXPECT_EQ(ReadBytes(AreaCatalogue(c.area).file), before) << what;
    }
  }
}

// Units re-shown one by one reach the main list however the dialog is left.
TEST_F(DialogKeys, EscEnterAndTheCloseBoxLeaveTheReshowDialogAsBeenden) {
  enum Way { Esc, Enter, CloseBox };
  for (Way way : {Esc, Enter, CloseBox}) {
    auto& w = OpenArea(kLaenge);
    When<ui::TDlg_Einheit_einblenden>([&](ui::TDlg_Einheit_einblenden& d) {
      d.activateWindow();
      EXPECT_TRUE(d.OKBtn->isDefault());
      ASSERT_EQ(d.ListBox1->count(), 2);
      d.BitBtn1Click();  // re-shows the first line, "Elle"
      if (way == Esc) Press(d, Qt::Key_Escape);
      if (way == Enter) Press(d, Qt::Key_Return);
      if (way == CloseBox) d.close();
      EXPECT_FALSE(d.isVisible());
    });
    w.Einheiteinblenden1Click();
    EXPECT_EQ(Names(w), (std::vector<std::string>{"Elle", "Fuß", "Meile", "Meter"})) << way;
    WriteLength();
  }
}

TEST_F(DialogKeys, TheReshowDialogsFileMessageStandsOverTheDialog) {
  auto& w = OpenArea(kLaenge);
  std::filesystem::remove("LAENGE.DAT");
  QDialog* dialog = w.Dlg_Einheit_einblenden;
  bool dialog_on_screen = false;
  boxes.on_show = [&](const ScriptedBoxes::Box&) {
    if (boxes.shown.size() == 1) dialog_on_screen = dialog->windowHandle() && dialog->windowHandle()->isVisible();
  };
  When<ui::TDlg_Einheit_einblenden>([](ui::TDlg_Einheit_einblenden&) {});
  w.Einheiteinblenden1Click();
  ASSERT_FALSE(boxes.shown.empty());
  EXPECT_EQ(boxes.shown[0].text, "Die Datei LAENGE.DAT konnte nicht geöffnet werden!");
  EXPECT_TRUE(dialog_on_screen);
}

TEST_F(DialogKeys, CopyKeyInTheListCopiesOnlyAResult) {
  auto& w = OpenArea(kLaenge);
  QGuiApplication::clipboard()->setText("vorher");
  clipboard.text = "vorher";
  w.ListBoxEinheit->setFocus();
  Press(w, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "vorher");  // not the unit's name
  EXPECT_EQ(clipboard.text, "vorher");
  w.ConvertCommand();
  Press(w, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboard.text, ui::FromCp1252(w.units[0].scientific_text));
}

TEST_F(DialogKeys, CtrlFSearchesAndCtrlIShowsTheAreaInformation) {
  auto& w = OpenArea(kLaenge);
  QStringList opened;
  window->platform().show_modal = [&](QDialog& d) {
    opened << d.windowTitle();
    return 0;
  };
  for (QWidget* focus : {static_cast<QWidget*>(w.ListBoxEinheit), static_cast<QWidget*>(w.Edit_Eingabe)}) {
    focus->setFocus();
    Press(w, Qt::Key_F, Qt::ControlModifier);
    Press(w, Qt::Key_I, Qt::ControlModifier);
  }
  EXPECT_EQ(opened, (QStringList{"Einheiten suchen", "Einheiten suchen"}));
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[0].caption, "Gebiet-Information");
  EXPECT_EQ(boxes.shown[1].caption, "Gebiet-Information");
  // The buttons keep their tooltips.
  EXPECT_EQ(w.SpeedButton4->toolTip(), "Einheit suchen");
  EXPECT_EQ(w.SpeedButton2->toolTip(), QString::fromUtf8("Information über Gebiet"));
}

}  // namespace
}  // namespace mensurio::testing
