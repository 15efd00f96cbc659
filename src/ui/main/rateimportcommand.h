// "&Wechselkurse importieren..." (menu "&Datei"): a euro reference-rate file
// of the European Central Bank into the currency area, from any area.
#pragma once

class QAction;
class QMenu;

namespace mensurio::ui {

class TMyWindow;

// Adds the item to the menu and connects it to ImportRatesCommand.
QAction* AddRateImportItem(TMyWindow& window, QMenu* menu);

// Asks for the file and imports it. When the currency area is shown, its
// list is reloaded from the new file with the selected unit kept.
void ImportRatesCommand(TMyWindow& window);

}  // namespace mensurio::ui
