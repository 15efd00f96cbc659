// The light look the windows were drawn for: their texts have fixed colours
// (black, blue, red), so their backgrounds are fixed too, whatever colour
// scheme the desktop uses. The main window's menus share the look: their
// disabled items tell the modes in force and must stay readable. Message
// boxes, tooltips, context menus and the help viewer keep following the
// desktop's scheme: their texts and backgrounds both come from it.
#pragma once

#include <QPalette>

class QMenuBar;
class QWidget;

namespace mensurio::ui {

// Light grey window, white entries and lists, black text, navy highlight
// with white text; disabled text dark grey.
QPalette LightPalette();

// Gives a window the light palette; call it before the window's own text
// colours are set and before its controls are made.
void UseLightLook(QWidget& window);

// Gives the drop-down menus of a menu bar the light palette.
void UseLightMenus(QMenuBar& bar);

}  // namespace mensurio::ui
