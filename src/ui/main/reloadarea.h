// Reloading the shown area after a command rewrote its file in place.
#pragma once

namespace mensurio::ui {

class TMyWindow;

// The list anew from the area's file, results cleared; the record numbers
// stay (the rewrite neither adds nor drops records), so the selected unit
// is found again by its number.
void ReloadKeepingSelection(TMyWindow& window);

}  // namespace mensurio::ui
