// What a screen reader learns through the accessibility interface: each
// unit row with its result and origin, and a name for every control of the
// main window and of every dialog.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextDocumentFragment>
#include <QToolButton>

#include "allwindows.h"
#include "catalogue.h"
#include "qttext.h"
#include "uifixture.h"
#include "unitrow.h"

namespace mensurio::testing {
namespace {

constexpr int kLaenge = 20;

QString AccessibleName(QObject* object) {
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(object);
  return a ? a->text(QAccessible::Name) : QString("(no interface)");
}

// The offscreen platform has no accessibility bridge, so the list's reset
// reaches no interface; each look starts from a fresh one, as a screen
// reader's does after the reset.
QString RowName(ui::TMyWindow& w, int row) {
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(w.ListBoxEinheit);
  if (!list || !list->tableInterface()) return "(no table)";
  QAccessibleInterface* cell = list->tableInterface()->cellAt(row, 0);
  QString name = cell ? cell->text(QAccessible::Name) : QString("(no cell)");
  QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(list));
  return name;
}

class Accessibility : public WindowTest {};

TEST_F(Accessibility, RowsSayResultNameAndOrigin) {
  WriteBytes("LAENGE.DAT", FileBytes({MakeRecord("Fu\xDF", 3, 0.3048L), MakeRecord("Meter", 1, 1),
                                      MakeRecord("Zoll", 90, 0.0254L)}));
  WriteSettingsFile(kLaenge);
  auto& w = Open();
  ASSERT_TRUE(started);
  const char* before[] = {"Fuß, Englisches System", "Meter, SI-Einheit", "Zoll, USA"};
  for (int row = 0; row < 3; ++row) EXPECT_EQ(RowName(w, row), QString::fromUtf8(before[row])) << row;

  w.SelectRow(1);
  w.Edit_Eingabe->setText("1,0");
  w.ConvertCommand();
  ASSERT_TRUE(w.results_valid);
  for (int row = 0; row < 3; ++row) {
    const auto& e = w.units[static_cast<size_t>(row)];
    QString result = ui::FromCp1252(e.scientific_text).trimmed();
    ASSERT_FALSE(result.isEmpty());
    EXPECT_EQ(RowName(w, row), result + ", " + QString::fromUtf8(before[row])) << row;
  }
  w.Fliekommaanzeige1Click();
  EXPECT_TRUE(RowName(w, 1).startsWith(ui::FromCp1252(w.units[1].float_text).trimmed() + ", Meter"));
}

// The details the row's tooltip shows describe the row, as plain text.
TEST_F(Accessibility, RowsAreDescribedByTheirDetails) {
  WriteSettingsFile(kLaenge);
  auto& w = Open();
  ASSERT_TRUE(started);
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(w.ListBoxEinheit);
  int described = 0;
  for (int row = 0; row < w.ListBoxEinheit->count(); ++row) {
    QString tip = w.ListBoxEinheit->model()->index(row, 0).data(Qt::ToolTipRole).toString();
    QString description = list->tableInterface()->cellAt(row, 0)->text(QAccessible::Description);
    EXPECT_EQ(description, QTextDocumentFragment::fromHtml(tip).toPlainText()) << row;
    EXPECT_FALSE(description.contains('<')) << row;
    described += !description.isEmpty();
  }
  EXPECT_GT(described, 0);
}

TEST_F(Accessibility, ControlsOfTheMainWindowAreNamed) {
  WriteBytes("LAENGE.DAT", FileBytes({MakeRecord("Fu\xDF", 3, 0.3048L), MakeRecord("Meter", 1, 1)}));
  WriteSettingsFile(kLaenge);
  auto& w = Open();
  ASSERT_TRUE(started);
  w.ConvertCommand();
  struct Case {
    QObject* control;
    const char* name;
  };
  const Case cases[] = {
      {w.Edit_Eingabe, "Werteingabe"},
      {w.ListBoxEinheit, "Einheiten-Liste"},
      {w.Rechentaste, "Einheit umrechnen"},
      {w.SpeedButton2, "Information über Gebiet"},
      {w.SpeedButton3, "Markierte Einheit ausblenden"},
      {w.SpeedButton4, "Einheit suchen"},
      {w.Image1, "Englisches System"},
      {w.Flagge1, "Englisches System"},
  };
  for (const Case& c : cases) EXPECT_EQ(AccessibleName(c.control), QString::fromUtf8(c.name)) << c.name;
  // A combo box is named by the label it is labelled by; its own name is the
  // selected item.
  QAccessibleInterface* combo = QAccessible::queryAccessibleInterface(w.ComboBox1);
  auto labels = combo->relations(QAccessible::Label);
  ASSERT_EQ(labels.size(), 1);
  EXPECT_EQ(labels[0].first->text(QAccessible::Name), "Gebiet:");
  w.SelectRow(1);
  w.ListBoxEinheitClick();
  EXPECT_EQ(AccessibleName(w.Image1), "SI-Einheit");
}

// Every entry, list, combo box, text view and button of every window has a
// name; the entries of the dialogs are named after their captions.
TEST_F(Accessibility, EveryControlOfEveryWindowIsNamed) {
  WriteSettingsFile(kLaenge);
  auto& w = Open();
  ASSERT_TRUE(started);
  std::vector<QWidget*> windows = MainWindowAndDialogs(w);
  for (QWidget* window : windows) {
    if (window != &w) window->show();
    for (QWidget* c : window->findChildren<QWidget*>()) {
      if (c->window() != window || qobject_cast<QComboBox*>(c->parentWidget())) continue;
      if (qobject_cast<QAbstractButton*>(c) || qobject_cast<QLineEdit*>(c) || qobject_cast<QComboBox*>(c) ||
          qobject_cast<QAbstractItemView*>(c) || qobject_cast<QPlainTextEdit*>(c))
        EXPECT_FALSE(AccessibleName(c).isEmpty())
            << window->objectName().toStdString() << "/" << c->objectName().toStdString();
    }
    if (window != &w) window->hide();
  }
  struct Case {
    QObject* control;
    const char* name;
  };
  const Case cases[] = {
      {w.Dlg_eigene_einfuegen->Edit1, "Name der Einheit"},
      {w.Dlg_eigene_einfuegen->Edit5, "1 eigene Einheit entspricht (Umrechnungsfaktor)"},
      {w.Dlg_eigene_einfuegen_WZ->Edit5, "Zeitdifferenz zur Weltzeit in Minuten"},
      {w.Faktor_aendern->Edit1, "entspricht"},
      {w.Faktor_aendern_Weltzeit->Edit1, "Zeitdifferenz zur Weltzeit"},
      {w.Faktor_aendern_Waehrung->Edit2, "Stand"},
      {w.Such_Dialog->Edit1, "Suchbegriff"},
      {w.Such_Dialog->ListBox1, "Gefundene Einheiten"},
      {w.Dlg_Einheit_einblenden->ListBox1, "Ausgeblendete Einheiten"},
  };
  for (const Case& c : cases) EXPECT_EQ(AccessibleName(c.control), QString::fromUtf8(c.name)) << c.name;
}

}  // namespace
}  // namespace mensurio::testing
