// World time with summer time: the checkable item "&Sommerzeit
// berücksichtigen" of the settings menu, the system's time zones it reads,
// and the conversion it chooses.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "civildate.h"
#include "conversion.h"
#include "tzif.h"
#include "unitlist.h"

class QAction;
class QMenu;

namespace mensurio::ui {

class TMyWindow;

// The computer's date today.
CivilDate ComputerToday();

class SummerTime {
 public:
  explicit SummerTime(TMyWindow& window);
  ~SummerTime();

  // The item at the end of `menu`.
  void AddMenuItem(QMenu* menu);
  bool on() const { return on_; }
  // As the settings file says; no results are touched.
  void SetOn(bool on);

  // The conversion of the window's current area: world time by the places'
  // zones on the entered or today's date while on, else as ever.
  ConversionResult Convert(UnitList& units, size_t source, const std::string& entry);

  // For a world-time place whose zone the system lacks while the option is
  // on: "Zeitzone … unbekannt, Normalzeit aus der Datei"; empty otherwise.
  std::string FallbackNote(const TAusgabetextobject& place);

  // The panel's lines for the world-time area: the state of the places'
  // data and whether summer time counts (UTF-8).
  std::string StandText() const;

  // While on, the zones of all world-time places are read now, so that no
  // conversion waits for them (after the first paint, and when switched on).
  void ReadZonesAhead();

  // The system's zones, read anew when next asked for (after a refresh).
  ZoneCache& zones() { return *zones_; }
  void ForgetZones();

  // The date a conversion without a date in the entry uses; tests set it.
  std::function<CivilDate()> today = ComputerToday;
  QAction* item = nullptr;

 private:
  void Toggled(bool on);

  TMyWindow& window_;
  bool on_ = false;
  std::unique_ptr<ZoneCache> zones_;
};

}  // namespace mensurio::ui
