// One item of the main window's menu, named like the layout's controls.
#pragma once

#include <QKeySequence>

class QAction;
class QMenu;

namespace mensurio::ui {

// Adds the item `caption` (UTF-8) named `name`; a key, when given, works
// while the window is active.
QAction* AddMenuItem(QMenu* menu, const char* name, const char* caption, const QKeySequence& key = {});

}  // namespace mensurio::ui
