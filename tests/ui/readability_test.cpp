// Every text of the main window and of every dialog reads at 4.5:1 or more
// against its background (WCAG contrast), under a light desktop scheme and
// under a dark one; the scheme is set here, so the test does not depend on
// the machine's theme.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTextBrowser>
#include <cmath>
#include <memory>

#include "allwindows.h"
#include "helpviewer.h"
#include "readablelinks.h"
#include "uifixture.h"
#include "unitrow.h"

namespace mensurio::testing {
namespace {

using ui::Contrast;

// The colour scheme "darker" of the Qt 6 configuration tool, role by role.
QPalette DarkerScheme() {
  const char* active[] = {"#ffffff", "#424245", "#979797", "#5e5c5b", "#302f2e", "#4a4947", "#ffffff",
                          "#ffffff", "#ffffff", "#3d3d3d", "#222020", "#e7e4e0", "#12608a", "#f9f9f9",
                          "#0986d3", "#a70b06", "#5c5b5a", "#ffffff", "#3f3f36", "#ffffff", "#80ffffff"};
  QPalette p;
  for (int role = 0; role < 21; ++role) {
    if (role == QPalette::NoRole) continue;
    p.setColor(static_cast<QPalette::ColorRole>(role), QColor::fromString(QString(active[role])));
  }
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText})
    p.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
  return p;
}

QPalette LightScheme() {
  std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
  return fusion->standardPalette();
}

// The colour a widget's own text stands on: the nearest of it and its
// parents that paints a background.
QColor Background(const QWidget* w, QPalette::ColorGroup group) {
  for (const QWidget* p = w; p; p = p->parentWidget())
    if (p->autoFillBackground() || p->isWindow()) return p->palette().color(group, p->backgroundRole());
  return {};
}

struct TextOnGround {
  QString what;
  QColor text, ground;
};

// The text colours a widget paints, each with its background.
std::vector<TextOnGround> TextsOf(const QWidget* w) {
  const QPalette::ColorGroup g = w->isEnabled() ? QPalette::Active : QPalette::Disabled;
  const QPalette& p = w->palette();
  const QString name =
      w->window()->objectName() + "/" + w->objectName() + " (" + w->metaObject()->className() + ")";
  std::vector<TextOnGround> texts;
  auto on_parent = [&](QPalette::ColorRole role) {
    texts.push_back({name, p.color(g, role), Background(w, g)});
  };
  auto on = [&](QPalette::ColorRole role, QPalette::ColorRole ground) {
    texts.push_back({name, p.color(g, role), p.color(g, ground)});
  };
  if (qobject_cast<const ui::UnitListBox*>(w)) return texts;  // drawn by its rows, below
  if (auto* label = qobject_cast<const QLabel*>(w)) {
    if (!label->text().isEmpty()) on_parent(w->foregroundRole());
  } else if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) {
    on_parent(QPalette::WindowText);
  } else if (auto* button = qobject_cast<const QAbstractButton*>(w)) {
    if (!button->text().isEmpty()) on(QPalette::ButtonText, QPalette::Button);
  } else if (auto* group = qobject_cast<const QGroupBox*>(w)) {
    if (!group->title().isEmpty()) on_parent(QPalette::WindowText);
  } else if (qobject_cast<const QComboBox*>(w)) {
    on(QPalette::ButtonText, QPalette::Button);
    on(QPalette::Text, QPalette::Base);
  } else if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w)) {
    on(QPalette::Text, QPalette::Base);
  } else if (qobject_cast<const QAbstractItemView*>(w)) {
    on(QPalette::Text, QPalette::Base);
    on(QPalette::HighlightedText, QPalette::Highlight);
  } else if (qobject_cast<const QMenuBar*>(w)) {
    on_parent(QPalette::WindowText);
    on_parent(QPalette::ButtonText);
  } else if (qobject_cast<const QMenu*>(w)) {
    // Enabled and disabled items alike: the disabled item of a pair tells
    // the mode in force.
    for (auto group : {QPalette::Active, QPalette::Disabled}) {
      texts.push_back({name, p.color(group, QPalette::Text), p.color(group, QPalette::Base)});
      texts.push_back({name, p.color(group, QPalette::WindowText), p.color(group, QPalette::Window)});
    }
  }
  return texts;
}

struct RowLook {
  double contrast;  // the fill against the pixel of the name that stands out most
  bool marked;      // the highlight colour fills or frames the row
};

RowLook DrawnRow(const ui::TMyWindow& w, int row, ui::UnitRowState state) {
  QImage image(327, 16, QImage::Format_RGB32);
  QPainter painter(&image);
  ui::DrawUnitRow(painter, QRect(0, 0, 327, 16), row, state, {"MHEW mhew", "", QPixmap(), "x"},
                  w.ListBoxEinheit->palette(), w.ListBoxEinheit->font());
  painter.end();
  const QColor fill = image.pixelColor(60, 8);
  double best = 1;
  for (int x = 105; x < 200; ++x)
    for (int y = 2; y < 14; ++y) best = std::max(best, Contrast(fill, image.pixelColor(x, y)));
  const QColor highlight = w.ListBoxEinheit->palette().color(QPalette::Active, QPalette::Highlight);
  return {best, fill == highlight || image.pixelColor(150, 0) == highlight};
}

class Readability : public WindowTest {
 protected:
  void TearDown() override {
    window.reset();
    QApplication::setPalette(saved_);
  }
  QPalette saved_ = QApplication::palette();
};

const struct Scheme {
  const char* name;
  QPalette (*palette)();
} kSchemes[] = {{"light", LightScheme}, {"darker", DarkerScheme}};

TEST_F(Readability, EveryTextOfEveryWindow) {
  for (const Scheme& scheme : kSchemes) {
    SCOPED_TRACE(scheme.name);
    QApplication::setPalette(scheme.palette());
    WriteSettingsFile(20);
    auto& w = Open();
    ASSERT_TRUE(started);
    w.ConvertCommand();  // the source line and the results show
    std::vector<QWidget*> windows = MainWindowAndDialogs(w);
    for (QWidget* window : windows) {
      if (window != &w) window->show();
      int measured = 0;
      for (const QWidget* child : window->findChildren<QWidget*>()) {
        if (child->window() != window || !child->isVisibleTo(window)) continue;
        for (const TextOnGround& t : TextsOf(child)) {
          ++measured;
          EXPECT_GE(Contrast(t.text, t.ground), 4.5)
              << t.what.toStdString() << ": " << t.text.name().toStdString() << " on "
              << t.ground.name().toStdString();
        }
      }
      EXPECT_GT(measured, 0) << window->objectName().toStdString();
      if (window != &w) window->hide();
    }
    for (QMenu* menu : w.menuBar()->findChildren<QMenu*>()) {
      menu->ensurePolished();  // as before it is first shown
      for (const TextOnGround& t : TextsOf(menu))
        EXPECT_GE(Contrast(t.text, t.ground), 4.5)
            << t.what.toStdString() << ": " << t.text.name().toStdString() << " on "
            << t.ground.name().toStdString();
    }
    window.reset();
  }
}

// Rows odd and even, selected or not, in the focused list or not: the text
// reads on every fill, and a selected row shows it is selected.
TEST_F(Readability, UnitRows) {
  struct Case {
    int row;
    bool selected;
    bool focused;
  };
  const Case cases[] = {
      {0, false, false}, {1, false, false}, {0, true, true},  {1, true, true},
      {0, true, false},  {1, true, false},  {3, true, false}, {1, false, true},
  };
  for (const Scheme& scheme : kSchemes) {
    SCOPED_TRACE(scheme.name);
    QApplication::setPalette(scheme.palette());
    WriteSettingsFile(20);
    auto& w = Open();
    for (const Case& c : cases) {
      RowLook look = DrawnRow(w, c.row, {c.selected, c.focused});
      EXPECT_GE(look.contrast, 4.5) << "row " << c.row << " selected " << c.selected << " focused "
                                    << c.focused;
      EXPECT_EQ(look.marked, c.selected)
          << "row " << c.row << " selected " << c.selected << " focused " << c.focused;
    }
    window.reset();
  }
}

// The help window follows the desktop's scheme; its texts and links read on
// its page there too (the "darker" scheme's own link blue is 2.8:1 on its
// page).
TEST_F(Readability, TheHelpWindow) {
  WriteBytes("MSR.HLP", "<html><body><h1><a name=\"a\">Titel</a></h1><p>Text <a href=\"#a\">Verweis</a></p></body></html>");
  for (const Scheme& scheme : kSchemes) {
    SCOPED_TRACE(scheme.name);
    QApplication::setPalette(scheme.palette());
    ui::QtHelpViewer viewer;
    viewer.ShowContents("MSR.HLP");
    const QColor page = viewer.window()->palette().color(QPalette::Active, QPalette::Base);
    QTextCursor link = viewer.window()->document()->find("Verweis");
    ASSERT_FALSE(link.isNull());
    ASSERT_TRUE(link.charFormat().isAnchor());
    for (const QColor& text : {viewer.window()->palette().color(QPalette::Active, QPalette::Text),
                               link.charFormat().foreground().color()})
      EXPECT_GE(Contrast(text, page), 4.5) << text.name().toStdString() << " on " << page.name().toStdString();
    // A named anchor is no link: a heading keeps the text colour.
    QTextCursor title = viewer.window()->document()->find("Titel");
    EXPECT_FALSE(title.charFormat().foreground().style() != Qt::NoBrush &&
                 title.charFormat().foreground().color() == link.charFormat().foreground().color());
  }
}

}  // namespace
}  // namespace mensurio::testing
