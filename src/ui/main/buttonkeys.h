// Keys for the two commands that only a button reaches: Strg+F opens the
// unit search ("Einheit suchen"), Strg+I shows the area information
// ("Information über Gebiet").
#pragma once

namespace mensurio::ui {

class TMyWindow;

void AddButtonKeys(TMyWindow& window);

}  // namespace mensurio::ui
