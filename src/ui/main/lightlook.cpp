#include "lightlook.h"

#include <QChildEvent>
#include <QMenu>
#include <QMenuBar>

namespace mensurio::ui {

QPalette LightPalette() {
  const QColor black(Qt::black), white(Qt::white), face(240, 240, 240);
  QPalette p(black, face, white, QColor(160, 160, 160), QColor(160, 160, 160), black, white, white, face);
  p.setColor(QPalette::Midlight, QColor(227, 227, 227));
  p.setColor(QPalette::Shadow, QColor(105, 105, 105));
  p.setColor(QPalette::AlternateBase, QColor(245, 245, 245));
  p.setColor(QPalette::Highlight, QColor(0, 0, 128));
  p.setColor(QPalette::HighlightedText, white);
  p.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
  p.setColor(QPalette::ToolTipText, black);
  p.setColor(QPalette::Link, QColor(0, 0, 255));
  p.setColor(QPalette::LinkVisited, QColor(128, 0, 128));
  p.setColor(QPalette::PlaceholderText, QColor(100, 100, 100));
  // Disabled texts stay readable (5:1 on the window grey) but grey.
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    p.setColor(QPalette::Disabled, role, QColor(100, 100, 100));
  p.setColor(QPalette::Disabled, QPalette::Base, face);
  p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(100, 100, 100));
  return p;
}

void UseLightLook(QWidget& window) { window.setPalette(LightPalette()); }

namespace {

// Menus the bar makes later (the overflow menu) get the palette before they
// are first shown.
class LaterMenus : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ChildPolished)
      if (auto* menu = qobject_cast<QMenu*>(static_cast<QChildEvent*>(event)->child()))
        menu->setPalette(LightPalette());
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

void UseLightMenus(QMenuBar& bar) {
  for (QMenu* menu : bar.findChildren<QMenu*>()) menu->setPalette(LightPalette());
  bar.installEventFilter(new LaterMenus(&bar));
}

}  // namespace mensurio::ui
