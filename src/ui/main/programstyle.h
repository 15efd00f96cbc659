// The application style: the platform's own, except for the overflow arrow
// of the menu bar, which is drawn here. The style would read that arrow from
// an image file while the main window is being built, and the first image
// file read loads every image format plugin of the system; the menu bar of
// the fixed-size window never overflows.
#pragma once

#include <QProxyStyle>

namespace mensurio::ui {

class ProgramStyle : public QProxyStyle {
 public:
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
};

// The arrow, pointing right (or down for a vertical bar), at 16 x 16 pixels.
QPixmap ExtensionArrow(bool vertical, const QColor& color);

}  // namespace mensurio::ui
