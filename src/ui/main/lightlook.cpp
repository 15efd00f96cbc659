#include "lightlook.h"

#include <QWidget>

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

}  // namespace mensurio::ui
