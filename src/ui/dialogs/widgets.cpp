#include "widgets.h"

#include "uifonts.h"

namespace mensurio::ui {

QLabel* PlaceLabel(QWidget* parent, const char* name, const QString& text, int x, int y, const QColor& color) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  QFont f = label->font();
  f.setBold(false);
  label->setFont(f);
  SetTextColor(label, color);
  label->move(x, y);
  label->adjustSize();
  return label;
}

QLineEdit* PlaceEdit(QWidget* parent, const char* name, int x, int y, int width, int max_length) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  QFont f = edit->font();
  f.setBold(false);
  edit->setFont(f);
  edit->setGeometry(x, y, width, 21);
  if (max_length > 0) edit->setMaxLength(max_length);
  return edit;
}

}  // namespace mensurio::ui
