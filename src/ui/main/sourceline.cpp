#include "sourceline.h"

#include <QFontMetrics>
#include <QLabel>

#include "qttext.h"

namespace mensurio::ui {
namespace {

constexpr int kFlagGap = 5;
constexpr int kEqualsGap = 3;

}  // namespace

void PlaceRightOf(QWidget* neighbour, const QWidget* left, int gap) {
  neighbour->move(left->x() + left->width() + gap, neighbour->y());
}

void ShowSourceLine(const SourceLine& line, const QString& value, const QString& name, int origin) {
  line.equals->setText("=");
  line.equals->adjustSize();
  const QString full = value + "  " + name;
  const int room = line.text->parentWidget()->width() - line.text->x() - kFlagGap - line.flag->width() -
                   kEqualsGap - line.equals->width();
  const QFontMetrics metrics(line.text->font());
  QString shown = full;
  if (metrics.horizontalAdvance(full) > room)
    shown = value + "  " + metrics.elidedText(name, Qt::ElideRight, room - metrics.horizontalAdvance(value + "  "));
  line.text->setText(shown);
  line.text->setToolTip(shown == full ? QString() : PlainTextToolTip(full));
  line.text->adjustSize();
  PlaceRightOf(line.flag, line.text, kFlagGap);
  line.flag->ShowOrigin(origin);
  PlaceRightOf(line.equals, line.flag, kEqualsGap);
}

}  // namespace mensurio::ui
