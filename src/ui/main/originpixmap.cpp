#include "originpixmap.h"

#include <QPainter>

namespace mensurio::ui {

// Until the image strip is built: the code on grey.
QPixmap OriginPixmap(int code) {
  if (code < 1 || code > 91) return {};
  QPixmap p(32, 16);
  p.fill(QColor(220, 220, 220));
  QPainter painter(&p);
  painter.drawRect(0, 0, 31, 15);
  painter.drawText(QRect(0, 0, 32, 16), Qt::AlignCenter, QString::number(code));
  return p;
}

}  // namespace mensurio::ui

#include "programicon.h"

namespace mensurio::ui {

// Until the icon is built: a blue disc.
QPixmap ProgramIconPixmap(int size) {
  QPixmap p(size, size);
  p.fill(Qt::transparent);
  QPainter painter(&p);
  painter.setBrush(QColor(0, 0, 255));
  painter.drawEllipse(1, 1, size - 2, size - 2);
  return p;
}

}  // namespace mensurio::ui
