#include "programstyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QWidget>

namespace mensurio::ui {

QPixmap ExtensionArrow(bool vertical, const QColor& color) {
  QPixmap arrow(16, 16);
  arrow.fill(Qt::transparent);
  QPainter g(&arrow);
  g.setRenderHint(QPainter::Antialiasing);
  g.setPen(QPen(color, 1.5));
  if (vertical) {
    g.translate(16, 0);
    g.rotate(90);
  }
  for (int x : {4, 8}) {  // two chevrons: ">>"
    QPainterPath chevron;
    chevron.moveTo(x, 4.5);
    chevron.lineTo(x + 3.5, 8);
    chevron.lineTo(x, 11.5);
    g.drawPath(chevron);
  }
  return arrow;
}

QIcon ProgramStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
  if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton) {
    const QColor color = widget ? widget->palette().color(QPalette::ButtonText) : QColor(Qt::black);
    return QIcon(ExtensionArrow(icon == SP_ToolBarVerticalExtensionButton, color));
  }
  return QProxyStyle::standardIcon(icon, option, widget);
}

}  // namespace mensurio::ui
