#include "menuitem.h"

#include <QAction>
#include <QMenu>

namespace mensurio::ui {

QAction* AddMenuItem(QMenu* menu, const char* name, const char* caption, const QKeySequence& key) {
  QAction* item = menu->addAction(QString::fromUtf8(caption));
  item->setObjectName(name);
  if (!key.isEmpty()) {
    item->setShortcut(key);
    item->setShortcutContext(Qt::WindowShortcut);
  }
  return item;
}

}  // namespace mensurio::ui
