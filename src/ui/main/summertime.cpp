#include "summertime.h"

#include <QAction>
#include <QMenu>

#include "menuitem.h"
#include "ratestand.h"
#include "tmywindow.h"
#include "worldtime.h"

namespace mensurio::ui {

CivilDate ComputerToday() {
  Date d = Today();
  return {static_cast<int>(d.year()), static_cast<int>(static_cast<unsigned>(d.month())),
          static_cast<int>(static_cast<unsigned>(d.day()))};
}

SummerTime::SummerTime(TMyWindow& window) : window_(window), zones_(std::make_unique<ZoneCache>()) {}

SummerTime::~SummerTime() = default;

void SummerTime::AddMenuItem(QMenu* menu) {
  item = ui::AddMenuItem(menu, "Sommerzeitbercksichtigen1", "&Sommerzeit berücksichtigen");
  item->setCheckable(true);
  item->setChecked(on_);
  QObject::connect(item, &QAction::triggered, &window_, [this](bool checked) { Toggled(checked); });
}

void SummerTime::SetOn(bool on) {
  on_ = on;
  if (item) item->setChecked(on);
}

// Shown results came from the other way of converting: they go, as after a
// change of the sort order.
void SummerTime::Toggled(bool on) {
  SetOn(on);
  ForgetZones();  // a database installed or updated meanwhile counts
  ReadZonesAhead();
  if (KindOfArea(window_.area_index) != AreaKind::WorldTime) return;
  window_.results_valid = false;
  window_.FillUnitList();
  window_.ClearSourceUnit();
}

ConversionResult SummerTime::Convert(UnitList& units, size_t source, const std::string& entry) {
  AreaKind kind = KindOfArea(window_.area_index);
  if (on_ && kind == AreaKind::WorldTime) return ConvertWorldTimeOnDate(units, source, entry, today(), *zones_);
  return mensurio::Convert(kind, units, source, entry);
}

std::string SummerTime::FallbackNote(const TAusgabetextobject& place) {
  if (!on_ || KindOfArea(window_.area_index) != AreaKind::WorldTime) return "";
  std::string zone = ZoneNameOf(place.record);
  if (zone.empty() || zones_->Find(zone)) return "";
  return "Zeitzone " + zone + " unbekannt, Normalzeit aus der Datei";
}

std::string SummerTime::StandText() const {
  std::string stand = PlacesStand(window_.units);
  std::string text = stand.empty() ? "" : "Zeitzonen: " + stand + "\n";
  return text + (on_ ? "mit Sommerzeit" : "ohne Sommerzeit (Normalzeit)");
}

void SummerTime::ReadZonesAhead() {
  if (on_) mensurio::ReadZonesAhead(*zones_, AreaFileOfKind(AreaKind::WorldTime));
}

void SummerTime::ForgetZones() { zones_ = std::make_unique<ZoneCache>(); }

}  // namespace mensurio::ui
