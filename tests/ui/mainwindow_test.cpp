#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <QToolButton>

#include "text.h"
#include "uifixture.h"
#include "unitrow.h"

namespace mensurio::testing {
namespace {

constexpr int kLaenge = 20;

// Länge with known units: Fuß (0.3048), Meile (1609.344), Meter (1), Zoll (0.0254).
void WriteLength() {
  WriteBytes("LAENGE.DAT", FileBytes({MakeRecord("Fu\xDF", 3, 0.3048L), MakeRecord("Meile", 3, 1609.344L),
                                      MakeRecord("Meter", 1, 1), MakeRecord("Zoll", 90, 0.0254L)}));
}

std::string Text(const ui::TMyWindow& w, int row, bool scientific) {
  const auto& e = w.units.at(static_cast<size_t>(row));
  return Cp1252ToUtf8(scientific ? e.scientific_text : e.float_text);
}

class MainWindow : public WindowTest {};

TEST_F(MainWindow, StartsWithTheStoredArea) {
  WriteLength();
  WriteSettingsFile(kLaenge);
  auto& w = Open();
  ASSERT_TRUE(started);
  EXPECT_EQ(w.ComboBox1->currentIndex(), kLaenge - 1);
  EXPECT_EQ(w.ComboBox1->count(), 47);
  EXPECT_EQ(w.ListBoxEinheit->count(), 4);
  EXPECT_EQ(w.ListBoxEinheit->currentRow(), 0);
  EXPECT_EQ(w.Label_gewaehlte_einheit->text(), QString::fromUtf8("Fuß"));
  EXPECT_EQ(w.StatusBar1->text(), QString::fromUtf8("Gewähltes Land:  Englisches System"));
  EXPECT_EQ(w.Image1->x(), w.Label_gewaehlte_einheit->x() + w.Label_gewaehlte_einheit->width() + 5);
  EXPECT_FALSE(w.Wertkopieren1->isEnabled());
  EXPECT_FALSE(w.EinheitensortierungnachAlphabet1->isEnabled());
  EXPECT_TRUE(w.EinheitensortierungnachLand1->isEnabled());
  EXPECT_FALSE(w.WissenschaZahlenanzeige1->isEnabled());
  EXPECT_TRUE(w.Fliekommaanzeige1->isEnabled());
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_EQ(w.centralWidget()->size(), QSize(561, 373));
}

// Typing in the list jumps to the unit whose name starts with the letters,
// and the window follows with the selected unit.
TEST_F(MainWindow, TypingInTheListJumpsToTheUnit) {
  WriteLength();
  WriteSettingsFile(kLaenge);
  auto& w = Open();
  ASSERT_TRUE(started);
  struct Case { const char* typed; int row; const char* shown; };
  const Case cases[] = {{"Z", 3, "Zoll"}, {"Mei", 1, "Meile"}, {"Met", 2, "Meter"}, {"F", 0, "Fuß"}};
  const int interval = QApplication::keyboardInputInterval();
  QApplication::setKeyboardInputInterval(100);
  for (const Case& c : cases) {
    QTest::qWait(150);  // the list forgets earlier letters after a pause
    QTest::keyClicks(w.ListBoxEinheit, c.typed);
    EXPECT_EQ(w.ListBoxEinheit->currentRow(), c.row) << c.typed;
    EXPECT_EQ(w.Label_gewaehlte_einheit->text(), QString::fromUtf8(c.shown)) << c.typed;
  }
  QApplication::setKeyboardInputInterval(interval);
}

TEST_F(MainWindow, MissingFileEndsTheStart) {
  std::filesystem::remove("ZEIT.DAT");
  std::filesystem::remove("LAENGE.DAT");
  Open();
  EXPECT_FALSE(started);
  EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{"Die Datei \"LAENGE.DAT\" ist nicht vorhanden, daher kann der "
                                                     "Mensurio nicht gestartet werden!"}));
}

TEST_F(MainWindow, EnterInTheEntryConvertsLikeTheButton) {
  WriteLength();
  WriteSettingsFile(kLaenge);
  auto& w = Open();
  w.Edit_Eingabe->setText("1");
  w.SelectRow(0);  // Fuß
  QTest::keyClick(w.Edit_Eingabe, Qt::Key_Return);
  ASSERT_TRUE(w.results_valid);
  EXPECT_EQ(Text(w, 2, true), " 3,048000E-0001");  // Meter
  EXPECT_EQ(Text(w, 2, false), "  0,3048000000");
  EXPECT_EQ(Text(w, 3, false), "  12,000000000");  // Zoll
  EXPECT_EQ(Text(w, 1, false), "  0,0001893939");  // Meile
  EXPECT_EQ(Text(w, 0, true), " 1,000000E+0000");  // the source
  EXPECT_TRUE(w.Wertkopieren1->isEnabled());
  EXPECT_TRUE(w.Timer1->isActive());
  EXPECT_EQ(w.Label_Ausgangseinheit->text(), QString::fromUtf8("1  Fuß"));
  EXPECT_EQ(w.Flagge1->x(), w.Label_Ausgangseinheit->x() + w.Label_Ausgangseinheit->width() + 5);
  EXPECT_EQ(w.Label2->x(), w.Flagge1->x() + 32 + 3);
  EXPECT_EQ(w.Label2->text(), "=");

  std::string before = Text(w, 2, true);
  w.Edit_Eingabe->setText("0");
  w.RechentasteClick();
  w.Edit_Eingabe->setText("abc");
  QTest::keyClick(w.ListBoxEinheit, Qt::Key_Return);
  EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{"Falsche Eingabe im Werteingabeld! Bitte ändern! ",
                                                     "Falsche Eingabe im Werteingabeld! Bitte ändern! "}));
  EXPECT_EQ(boxes.shown[0].kind, BoxKind::Error);
  EXPECT_TRUE(w.results_valid);  // the earlier results stay
  EXPECT_EQ(Text(w, 2, true), before);
}

TEST_F(MainWindow, TheSourceLineBlinks) {
  WriteLength();
  WriteSettingsFile(kLaenge);
  auto& w = Open();
  w.ListBoxEinheit->setCurrentRow(2);  // the user picks Meter
  w.ConvertCommand();
  EXPECT_EQ(w.Label_Ausgangseinheit->text(), "1,0  Meter");
  EXPECT_EQ(w.Timer1->interval(), 500);
  w.Timer1Timer();
  EXPECT_TRUE(w.Label_Ausgangseinheit->isVisible() && w.Flagge1->isVisible() && w.Label2->isVisible());
  w.Timer1Timer();
  EXPECT_FALSE(w.Label_Ausgangseinheit->isVisible() || w.Flagge1->isVisible() || w.Label2->isVisible());
}

TEST_F(MainWindow, AreaChangeClearsTheResultsAndStopsTheBlink) {
  WriteLength();
  WriteSettingsFile(kLaenge);
  auto& w = Open();
  w.ConvertCommand();
  ASSERT_TRUE(w.results_valid);
  w.ComboBox1->setCurrentIndex(28);  // Masse
  w.ComboBox1Change();
  EXPECT_FALSE(w.results_valid);
  EXPECT_FALSE(w.Timer1->isActive());
  EXPECT_FALSE(w.Wertkopieren1->isEnabled());
  EXPECT_EQ(w.Label_Ausgangseinheit->text(), "");
  EXPECT_EQ(w.Label2->text(), "");
  EXPECT_TRUE(w.Flagge1->isHidden());
  EXPECT_EQ(w.area_index, 29);
  EXPECT_EQ(w.ListBoxEinheit->currentRow(), 0);
  EXPECT_TRUE(w.units.at(0).scientific_text.empty());
}

TEST_F(MainWindow, DisplaySwitchKeepsSelectionAndScroll) {
  std::vector<UnitRecord> many;
  for (int i = 0; i < 60; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "Einheit %02d", i);
    many.push_back(MakeRecord(name, 1, i + 1));
  }
  WriteBytes("LAENGE.DAT", FileBytes(many));
  WriteSettingsFile(kLaenge);
  auto& w = Open();
  w.SelectRow(40);
  w.ListBoxEinheit->SetTopIndex(30);
  w.ConvertCommand();
  EXPECT_EQ(w.ListBoxEinheit->TopIndex(), 30);
  EXPECT_EQ(w.ListBoxEinheit->Content(40).result, QString(" 1,000000E+0000"));
  w.Fliekommaanzeige1Click();
  EXPECT_EQ(w.ListBoxEinheit->currentRow(), 40);
  EXPECT_EQ(w.ListBoxEinheit->TopIndex(), 30);
  EXPECT_EQ(w.ListBoxEinheit->Content(40).result, QString("  1,0000000000"));
  EXPECT_FALSE(w.Fliekommaanzeige1->isEnabled());
  EXPECT_TRUE(w.WissenschaZahlenanzeige1->isEnabled());
}

TEST_F(MainWindow, DisplaySwitchWithoutResultsOnlyChangesTheMenu) {
  WriteLength();
  WriteSettingsFile(kLaenge);
  auto& w = Open();
  w.SelectRow(3);
  w.Fliekommaanzeige1Click();
  EXPECT_FALSE(w.scientific_display);
  EXPECT_EQ(w.ListBoxEinheit->currentRow(), 3);
  EXPECT_TRUE(w.ListBoxEinheit->Content(3).result.isEmpty());
}

TEST_F(MainWindow, CopyAfterSortByCountryCopiesTheEarlierResult) {
  WriteLength();
  WriteSettingsFile(kLaenge);
  auto& w = Open();
  w.SelectRow(2);  // Meter
  w.Edit_Eingabe->setText("2");
  w.ConvertCommand();
  w.EinheitensortierungnachLand1Click();
  EXPECT_FALSE(w.results_valid);
  EXPECT_TRUE(w.Wertkopieren1->isEnabled());
  EXPECT_EQ(w.ListBoxEinheit->currentRow(), 0);
  ASSERT_EQ(w.units[0].name(), "Meter");  // SI first
  w.Wertkopieren1Click();
  EXPECT_EQ(clipboard.text, QString(" 2,000000E+0000"));
  w.EinheitensortierungnachAlphabet1Click();
  EXPECT_EQ(w.units[0].name(), "Fu\xDF");
  w.Wertkopieren1Click();  // a reloaded entry has no texts
  EXPECT_EQ(clipboard.text, QString(""));
}

TEST_F(MainWindow, PasteCutsAtTheEntryLimit) {
  WriteLength();
  WriteSettingsFile(kLaenge);
  auto& w = Open();
  struct Case { const char* clip; const char* entry; };
  const Case cases[] = {{"12345678901234567890", "123456789012345"}, {"3,5\r\nnext line", "3,5"}, {"", ""}};
  for (const auto& c : cases) {
    clipboard.text = c.clip;
    w.Werteinfgen1Click();
    EXPECT_EQ(w.Edit_Eingabe->text(), QString(c.entry)) << c.clip;
  }
}

TEST_F(MainWindow, OverflowStopsWithTheApplicationError) {
  WriteLength();
  WriteSettingsFile(kLaenge);
  auto& w = Open();
  w.Edit_Eingabe->setText("1E400");
  w.ConvertCommand();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].caption, "Mensurio");
  EXPECT_EQ(boxes.shown[0].text, "Überlauf bei Gleitkomma-Operation.");
  EXPECT_FALSE(w.results_valid);
}

// An overflow stops the conversion part-way: the list would show some lines
// of the new value beside lines and the source line of the earlier one. The
// results of both go from the window instead.
TEST_F(MainWindow, AnOverflowAfterResultsTakesThemAway) {
  WriteLength();
  WriteSettingsFile(kLaenge);
  auto& w = Open();
  w.SelectRow(2);  // Meter
  w.Edit_Eingabe->setText("1");
  w.ConvertCommand();
  ASSERT_TRUE(w.results_valid);
  for (const char* entry : {"1E400", "1,7E308"}) {
    w.Edit_Eingabe->setText(entry);
    w.ConvertCommand();
    EXPECT_FALSE(w.results_valid) << entry;
    EXPECT_EQ(w.Label_Ausgangseinheit->text(), "") << entry;
    EXPECT_FALSE(w.Timer1->isActive()) << entry;
  }
}

TEST_F(MainWindow, EveryOriginOffShowsTheEmptyListMessageOnce) {
  WriteLength();
  WriteSettingsFile(kLaenge, std::string(91, '0'));
  auto& w = Open();
  EXPECT_EQ(w.ListBoxEinheit->count(), 0);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].kind, BoxKind::Information);
  EXPECT_EQ(boxes.shown[0].text,
            "Die Einheiten-Liste enthält keine Einträge! Es sind entweder alle Einheiten oder alle Länder ausgeblendet "
            "oder die Datendatei konnte nicht geöffnet werden.");
  EXPECT_EQ(w.Label_gewaehlte_einheit->text(), "");
  w.ConvertCommand();  // does nothing
  EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST_F(MainWindow, CloseWritesTheSettingsAndQuitsTheHelp) {
  WriteLength();
  WriteSettingsFile(kLaenge, std::string(91, '1'));
  auto& w = Open();
  w.EinheitensortierungnachLand1Click();
  w.Fliekommaanzeige1Click();
  w.Index1Click();
  EXPECT_EQ(help.shown, (std::vector<QString>{"MSR.HLP"}));
  w.close();
  EXPECT_EQ(ReadBytes("MSR.INI"), "20\r\n1\r\n1\r\n" + std::string(91, '1'));
  EXPECT_EQ(help.quits, 1);
}

TEST_F(MainWindow, CopyShortcutWinsOverTheEntryOnlyWhileEnabled) {
  WriteLength();
  WriteSettingsFile(kLaenge);
  auto& w = Open();
  w.activateWindow();
  w.Edit_Eingabe->setFocus();
  QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_C, Qt::ControlModifier);
  QApplication::sendEvent(w.Edit_Eingabe, &override);
  EXPECT_TRUE(override.isAccepted());  // disabled: the entry copies its own text
  w.ConvertCommand();
  QKeyEvent again(QEvent::ShortcutOverride, Qt::Key_C, Qt::ControlModifier);
  QApplication::sendEvent(w.Edit_Eingabe, &again);
  EXPECT_FALSE(again.isAccepted());  // enabled: the menu's command runs
}

// Paints one row of 327 x 16 pixels and reads back a pixel of the fill.
QColor RowFill(int row, bool selected, bool focused) {
  QImage image(327, 16, QImage::Format_RGB32);
  image.fill(Qt::magenta);
  QPainter painter(&image);
  QPalette palette;
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::Highlight, QColor(0, 0, 128));
  palette.setColor(QPalette::HighlightedText, Qt::white);
  ui::UnitRowState state{selected, focused};
  ui::DrawUnitRow(painter, QRect(0, 0, 327, 16), row, state, {"Meter", "", QPixmap()}, palette, QFont());
  painter.end();
  return image.pixelColor(60, 8);
}

TEST(UnitRow, Colours) {
  const QColor silver(192, 192, 192), white(Qt::white), navy(0, 0, 128);
  struct Case { int row; bool selected; bool focused; QColor fill; };
  const Case cases[] = {
      {0, false, false, white}, {0, false, true, white}, {0, true, true, navy},  {0, true, false, navy},
      {1, false, false, silver}, {1, false, true, silver}, {1, true, true, navy}, {1, true, false, silver},
      {2, false, true, white},  {3, true, false, silver},
  };
  for (const auto& c : cases)
    EXPECT_EQ(RowFill(c.row, c.selected, c.focused), c.fill) << c.row << c.selected << c.focused;
}

TEST(UnitRow, ImageEndsAtTheRightEdgeAndNameStartsAtAThird) {
  QImage image(327, 16, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QPixmap flag(32, 16);
  flag.fill(Qt::red);
  QFont font;
  font.setPixelSize(11);
  ui::DrawUnitRow(painter, QRect(0, 0, 327, 16), 0, {}, {"MMMM", "", flag}, QPalette(), font);
  painter.end();
  EXPECT_EQ(image.pixelColor(327 - 32, 8), QColor(Qt::red));
  EXPECT_EQ(image.pixelColor(326, 15), QColor(Qt::red));
  EXPECT_EQ(image.pixelColor(327 - 33, 8), QColor(Qt::white));
  int firstInk = -1;
  for (int x = 0; x < 200 && firstInk < 0; ++x)
    for (int y = 0; y < 16; ++y)
      if (image.pixelColor(x, y) != QColor(Qt::white)) {
        firstInk = x;
        break;
      }
  EXPECT_GE(firstInk, 109);  // 327 / 3 rounded
  EXPECT_LE(firstInk, 111);
}

}  // namespace
}  // namespace mensurio::testing
