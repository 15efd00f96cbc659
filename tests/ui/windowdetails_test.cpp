// What the windows show beyond their layout: data as plain text, the row
// tooltips, the source line of a long name, the area selector's drop-down,
// the message boxes over a busy window, Qt's own texts in German.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>
#include <QToolTip>
#include <QTranslator>

#include "qtgerman.h"
#include "qtmessageboxes.h"
#include "tfaktor_aendern.h"
#include "tsuch_dialog.h"
#include "uifixture.h"
#include "unitrow.h"

namespace mensurio::testing {
namespace {

constexpr int kLaenge = 20;
constexpr int kWaehrungen = 41;

UnitRecord Unit(const std::string& name, int origin, const std::string& symbol = "", const std::string& other = "",
                const std::string& validity = "", const std::string& approx = "") {
  UnitRecord r = MakeRecord(name, origin, 2);
  if (!symbol.empty()) SetFieldText(r.symbol, symbol);
  if (!other.empty()) SetFieldText(r.other_name, other);
  if (!validity.empty()) SetFieldText(r.validity, validity);
  if (!approx.empty()) SetFieldText(r.approx_value, approx);
  return r;
}

// The tooltip the list shows when the pointer rests on a row, as plain text.
QString RowToolTip(ui::UnitListBox* list, int row) {
  QRect rect = list->visualRect(list->model()->index(row, 0));
  QPoint at = rect.center();
  QHelpEvent help(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
  QApplication::sendEvent(list->viewport(), &help);
  QString html = QToolTip::isVisible() ? QToolTip::text() : QString();
  QToolTip::hideText();
  QTest::qWaitFor([] { return !QToolTip::isVisible(); });
  QTextDocument doc;
  doc.setHtml(html);
  return doc.toPlainText();
}

class WindowDetails : public WindowTest {};

TEST_F(WindowDetails, RowsShowWhatTheFileKnowsAsTooltips) {
  WriteBytes("WAEHRUNG.DAT",
             FileBytes({Unit("Dollar", 90, "USD", "US dollar", "Stand 29.12.2023", "ca. 1,77 DM"),
                        Unit("Mark", 4), Unit("<b>Taler</b>", 4, "<i>T</i>")}));
  WriteSettingsFile(kWaehrungen);
  auto& w = Open();
  ASSERT_EQ(w.units.size(), 3u);
  EXPECT_EQ(RowToolTip(w.ListBoxEinheit, 0),
            "Kurzzeichen: USD\nWeiterer Name: US dollar\nStand 29.12.2023\nWert bzw. ca. Wert: ca. 1,77 DM");
  EXPECT_EQ(RowToolTip(w.ListBoxEinheit, 1), "");  // nothing beyond the row: no tooltip
  EXPECT_EQ(RowToolTip(w.ListBoxEinheit, 2), "Kurzzeichen: <i>T</i>");
}

// A label that shows data shows it as it stands: as wide as the text as
// typed, not as markup turned into bold.
QString Shown(const QLabel* label) {
  bool as_typed = label->sizeHint().width() >= label->fontMetrics().horizontalAdvance(label->text());
  return label->text() + (as_typed ? "" : " (markup)");
}

// A tooltip line breaks only where the data has a line end: a zone such as
// "America/Argentina/Buenos_Aires" or a name with "-" stays on its line.
TEST_F(WindowDetails, TooltipLinesAreNeverWrapped) {
  WriteBytes("WAEHRUNG.DAT", FileBytes({Unit("Dollar", 90, "USD", "US-Dollar/Greenback", "Stand 29.12.2023")}));
  WriteSettingsFile(kWaehrungen);
  auto& w = Open();
  QRect rect = w.ListBoxEinheit->visualRect(w.ListBoxEinheit->model()->index(0, 0));
  QHelpEvent help(QEvent::ToolTip, rect.center(), w.ListBoxEinheit->viewport()->mapToGlobal(rect.center()));
  QApplication::sendEvent(w.ListBoxEinheit->viewport(), &help);
  ASSERT_TRUE(QToolTip::isVisible());
  QTextDocument doc;
  doc.setHtml(QToolTip::text());
  QToolTip::hideText();
  doc.setTextWidth(40);  // far narrower than any line
  doc.size();            // lays the document out
  int lines = 0;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) lines += b.layout()->lineCount();
  EXPECT_EQ(lines, 3) << doc.toPlainText().toStdString();
}

TEST_F(WindowDetails, DataIsShownAsPlainText) {
  WriteBytes("LAENGE.DAT", FileBytes({Unit("<b>x</b>", 4)}));
  WriteSettingsFile(kLaenge);
  auto& w = Open();
  w.ConvertCommand();
  QStringList seen;
  When<ui::TFaktor_aendern>([&](ui::TFaktor_aendern& d) { seen << Shown(d.Label6); });
  w.Umrechnungsfaktorndern1Click();
  seen << Shown(w.Label_gewaehlte_einheit) << Shown(w.Label_Ausgangseinheit);
  EXPECT_EQ(seen, (QStringList{"<b>x</b>", "<b>x</b>", "1,0  <b>x</b>"}));
}

TEST_F(WindowDetails, MessageBoxesShowPlainTextWithTheNormalPointer) {
  ui::QtMessageBoxes real;
  QString format;
  Qt::CursorShape pointer = Qt::BlankCursor;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    format = box->textFormat() == Qt::PlainText ? "plain" : "rich";
    pointer = QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : Qt::ArrowCursor;
    box->buttons().front()->click();
  });
  QApplication::setOverrideCursor(Qt::WaitCursor);  // as an area change has it
  real.Show(BoxKind::Information, "<b>Die Einheiten-Liste</b> enthält keine Einträge!");
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);  // back once the box is gone
  QApplication::restoreOverrideCursor();
  EXPECT_EQ(format, "plain");
  EXPECT_EQ(pointer, Qt::ArrowCursor);
}

TEST_F(WindowDetails, ALongSourceUnitKeepsFlagAndEqualsSignInTheWindow) {
  const std::string long_name = "<b>" + std::string(31, 'W');  // markup stays text in the tooltip too
  WriteBytes("LAENGE.DAT", FileBytes({Unit(long_name, 4), Unit("Meter", 1)}));
  WriteSettingsFile(kLaenge);
  auto& w = Open();
  w.Edit_Eingabe->setText("123456789012345");
  w.ConvertCommand();
  QString text = w.Label_Ausgangseinheit->text();
  EXPECT_TRUE(text.startsWith("123456789012345  <b>WW")) << text.toStdString();
  EXPECT_TRUE(text.endsWith(QString::fromUtf8("…"))) << text.toStdString();
  QTextDocument tip;
  tip.setHtml(w.Label_Ausgangseinheit->toolTip());
  EXPECT_EQ(tip.toPlainText(), QString::fromStdString("123456789012345  " + long_name));
  EXPECT_EQ(w.Flagge1->x(), w.Label_Ausgangseinheit->geometry().right() + 1 + 5);
  EXPECT_EQ(w.Label2->x(), w.Flagge1->geometry().right() + 1 + 3);
  EXPECT_LE(w.Label2->geometry().right(), w.centralWidget()->width() - 1);
  // A name that fits stands in full.
  w.SelectRow(1);
  w.ListBoxEinheitClick();
  w.Edit_Eingabe->setText("1,0");
  w.ConvertCommand();
  EXPECT_EQ(w.Label_Ausgangseinheit->text(), "1,0  Meter");
  EXPECT_EQ(w.Label_Ausgangseinheit->toolTip(), "");
}

TEST_F(WindowDetails, TheAreaSelectorDropsDownTwentyLines) {
  WriteSettingsFile(kLaenge);
  auto& w = Open();
  w.ComboBox1->showPopup();
  QAbstractItemView* view = w.ComboBox1->view();
  ASSERT_TRUE(view->isVisible());
  int row = view->sizeHintForRow(0);
  ASSERT_GT(row, 0);
  EXPECT_EQ(view->viewport()->height() / row, 20);
  w.ComboBox1->hidePopup();
}

TEST_F(WindowDetails, CountInTheSearchDialogStaysOnItsCaptionsLine) {
  WriteSettingsFile(kLaenge);
  auto& w = Open();
  ui::TSuch_Dialog* d = w.Such_Dialog;
  auto* caption = d->findChild<QLabel*>("Label3");
  ASSERT_NE(caption, nullptr);
  d->Edit1->setText("Meter");
  d->OKBtnClick();
  EXPECT_NE(d->Label4->text(), "0");
  EXPECT_EQ(d->Label4->y(), caption->y());
  EXPECT_EQ(d->Label4->height(), caption->height());
}

TEST(QtGerman, QtsOwnTextsAreGermanWhenTheTranslationIsThere) {
  QCoreApplication& app = *QCoreApplication::instance();
  EXPECT_EQ(ui::InstallQtGerman(app, QDir::tempPath() + "/no-translations-here"), nullptr);
  EXPECT_EQ(QKeySequence(Qt::CTRL | Qt::Key_Delete).toString(QKeySequence::NativeText), "Ctrl+Del");
  QTranslator* german = ui::InstallQtGerman(app);
  ASSERT_NE(german, nullptr) << "qtbase_de.qm (qt6-translations-l10n) is missing";
  struct Case { QKeySequence key; const char* text; };
  const Case cases[] = {{QKeySequence(Qt::CTRL | Qt::Key_C), "Strg+C"},
                        {QKeySequence(Qt::CTRL | Qt::Key_Delete), "Strg+Entf"},
                        {QKeySequence(Qt::CTRL | Qt::Key_F), "Strg+F"}};
  for (const Case& c : cases) EXPECT_EQ(c.key.toString(QKeySequence::NativeText), c.text);
  QLineEdit entry;
  std::unique_ptr<QMenu> menu(entry.createStandardContextMenu());
  QStringList items;
  for (QAction* a : menu->actions())
    if (!a->isSeparator()) items << a->text().section('\t', 0, 0);
  EXPECT_TRUE(items.contains(QString::fromUtf8("&Rückgängig"))) << items.join(", ").toStdString();
  EXPECT_TRUE(items.contains("&Kopieren")) << items.join(", ").toStdString();
  QCoreApplication::removeTranslator(german);
  delete german;
}

}  // namespace
}  // namespace mensurio::testing
