// The fonts and colours of the windows.
#pragma once

#include <QColor>
#include <QFont>

namespace mensurio::ui {

const QColor kBlue(0, 0, 255);
// A deeper red than the full one, which reads at only 4:1 on white.
const QColor kRed(200, 0, 0);

// A font of the given family and pixel height.
QFont PixelFont(const char* family, int pixels, bool bold = false, bool underline = false);
// The label font: MS Sans Serif, 13 pixels.
QFont LabelFont(bool underline = false);
// The 11-pixel MS Sans Serif of lists, edits and the status line.
QFont SmallFont();

// Maps the families the layout names (Arial, MS Sans Serif, Courier) to the
// free fonts with the same metrics that Debian installs, and makes the
// 11-pixel MS Sans Serif the font of menus, message boxes and tooltips, the
// system font of the windows the program was drawn for. Needs the
// application object.
void InstallFonts();

void SetTextColor(QWidget* widget, const QColor& color);

}  // namespace mensurio::ui
