// World time over the shipped places (WELTZEIT.DAT) and the system's
// time-zone database: the conversion by the stored offsets, the conversion
// with summer time once the zones are read, reading them ahead, and the
// facts of a year that the refresh compares for every place.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include "catalogue.h"
#include "scriptedboxes.h"
#include "unitlist.h"
#include "worldtime.h"
#include "zonefacts.h"

namespace mensurio {
namespace {

constexpr CivilDate kToday{2026, 12, 8};

UnitList Places() {
  static bool entered = (void(!::chdir(MENSURIO_BUILD_DATA)), true);
  (void)entered;
  testing::ScriptedBoxes boxes;
  return LoadUnits(AreaFileOfKind(AreaKind::WorldTime), AllOriginsShown(), true, boxes);
}

void BM_ConvertPlacesByStoredOffsets(benchmark::State& state) {
  UnitList units = Places();
  for (auto _ : state) benchmark::DoNotOptimize(ConvertWorldTime(units, 0, "12:00").status);
  state.SetLabel(std::to_string(units.size()) + " places");
}
BENCHMARK(BM_ConvertPlacesByStoredOffsets)->Unit(benchmark::kMicrosecond);

void BM_ConvertPlacesWithSummerTime(benchmark::State& state) {
  UnitList units = Places();
  ZoneCache zones;
  ConvertWorldTimeOnDate(units, 0, "12:00", kToday, zones);  // the zones read once
  for (auto _ : state)
    benchmark::DoNotOptimize(ConvertWorldTimeOnDate(units, 0, "12:00 15.07.", kToday, zones).status);
  state.SetLabel(std::to_string(units.size()) + " places");
}
BENCHMARK(BM_ConvertPlacesWithSummerTime)->Unit(benchmark::kMicrosecond);

// What the window does after its first paint and when summer time is
// switched on: every place's zone read from the system's database.
void BM_ReadTheZonesAhead(benchmark::State& state) {
  UnitList units = Places();
  size_t zones_read = 0;
  for (auto _ : state) {
    ZoneCache zones;
    ReadZonesAhead(zones, AreaFileOfKind(AreaKind::WorldTime));
    for (const TAusgabetextobject& e : units) zones_read += ZoneOf(e, zones) != nullptr;
    benchmark::DoNotOptimize(zones_read);
  }
  state.SetLabel(std::to_string(units.size()) + " places");
}
BENCHMARK(BM_ReadTheZonesAhead)->Unit(benchmark::kMicrosecond);

void BM_FactsOfTheYearForEveryPlace(benchmark::State& state) {
  UnitList units = Places();
  ZoneCache zones;
  for (auto _ : state)
    for (const TAusgabetextobject& e : units)
      if (const TimeZone* zone = ZoneOf(e, zones)) benchmark::DoNotOptimize(FactsFrom(*zone, kToday));
  state.SetLabel(std::to_string(units.size()) + " places");
}
BENCHMARK(BM_FactsOfTheYearForEveryPlace)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mensurio
