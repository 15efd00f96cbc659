#include "dropdown.h"

#include <QComboBox>
#include <QProxyStyle>

namespace mensurio::ui {
namespace {

// Styles that open a read-only combo box as a menu show every line and
// ignore the limit; the list popup keeps it.
class ListPopupStyle : public QProxyStyle {
 public:
  ListPopupStyle() : QProxyStyle(nullptr) {}
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* ret) const override {
    if (hint == SH_ComboBox_Popup) return 0;
    return QProxyStyle::styleHint(hint, option, widget, ret);
  }
};

}  // namespace

void DropDownLines(QComboBox* combo, int lines) {
  static ListPopupStyle* style = new ListPopupStyle;
  combo->setStyle(style);
  combo->setMaxVisibleItems(lines);
}

}  // namespace mensurio::ui
