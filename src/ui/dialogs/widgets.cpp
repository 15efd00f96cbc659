#include "widgets.h"

#include "uifonts.h"

namespace mensurio::ui {

QLabel* PlaceLabel(QWidget* parent, const char* name, const QString& text, int x, int y, const QColor& color) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);  // names and texts of the data files are never markup
  QFont f = label->font();
  f.setBold(false);
  label->setFont(f);
  SetTextColor(label, color);
  // Sized to the room right of it rather than measured: measuring every
  // caption of every dialog would cost the start-up its font work.
  int width = parent->width() - x - 4;
  label->setGeometry(x, y, width > 40 ? width : 40, 17);
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
