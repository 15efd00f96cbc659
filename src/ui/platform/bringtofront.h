// Brings a window the user is looking for to the front.
#pragma once

class QWidget;

namespace mensurio::ui {

// Restores the window from the task bar, raises and activates it; a dialog
// open over it comes to the front as well. A window not yet shown (the
// program is still starting) stays as it is.
void BringToFront(QWidget& window);

}  // namespace mensurio::ui
