// "&Zeitzonen aktualisieren" (menu "&Datei"): the world-time places' offsets
// and summer times from the system's time-zone database, from any area.
#pragma once

class QAction;
class QMenu;

namespace mensurio::ui {

class TMyWindow;

// Adds the item to the menu and connects it to RefreshZonesCommand.
QAction* AddZoneRefreshItem(TMyWindow& window, QMenu* menu);

// Reads the database anew and refreshes the places; when the world-time
// area is shown and its file changed, its list is reloaded with the
// selected place kept.
void RefreshZonesCommand(TMyWindow& window);

}  // namespace mensurio::ui
