#include "dropdown.h"

#include <QComboBox>

namespace mensurio::ui {

void DropDownLines(QComboBox* combo, int lines) {
  combo->setMaxVisibleItems(lines);
  // Styles that open a read-only combo box as a menu show every line and
  // ignore the limit; a list popup keeps it.
  combo->setStyleSheet("QComboBox { combobox-popup: 0; }");
}

}  // namespace mensurio::ui
