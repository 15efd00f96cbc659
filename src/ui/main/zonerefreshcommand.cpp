#include "zonerefreshcommand.h"

#include <QAction>
#include <QMenu>

#include "menuitem.h"
#include "reloadarea.h"
#include "summertime.h"
#include "tmywindow.h"
#include "zonerefresh.h"

namespace mensurio::ui {

QAction* AddZoneRefreshItem(TMyWindow& window, QMenu* menu) {
  QAction* item = AddMenuItem(menu, "Zeitzonenaktualisieren1", "&Zeitzonen aktualisieren");
  QObject::connect(item, &QAction::triggered, &window, [&window] { RefreshZonesCommand(window); });
  return item;
}

void RefreshZonesCommand(TMyWindow& window) {
  SummerTime& summer_time = *window.summer_time;
  summer_time.ForgetZones();
  bool rewritten = RefreshWorldTimePlaces(summer_time.zones(), summer_time.today(), window.platform().boxes);
  if (rewritten && KindOfArea(window.area_index) == AreaKind::WorldTime) ReloadKeepingSelection(window);
}

}  // namespace mensurio::ui
