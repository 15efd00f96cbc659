// The light look the windows were drawn for: their texts have fixed colours
// (black, blue, red), so their backgrounds are fixed too, whatever colour
// scheme the desktop uses. Menus, message boxes, tooltips and the help
// viewer keep following the desktop's scheme: their texts and backgrounds
// both come from it.
#pragma once

#include <QPalette>

class QWidget;

namespace mensurio::ui {

// Light grey window, white entries and lists, black text, navy highlight
// with white text; disabled text dark grey.
QPalette LightPalette();

// Gives a window the light palette; call it before the window's own text
// colours are set and before its controls are made.
void UseLightLook(QWidget& window);

}  // namespace mensurio::ui
