// Loading an area, converting the largest one, and the 6-byte real, over
// the compiled data.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include "catalogue.h"
#include "conversion.h"
#include "real48.h"
#include "silentboxes.h"
#include "unitlist.h"

namespace mensurio {
namespace {

void EnterData() {
  static bool done = (void(!::chdir(MENSURIO_BUILD_DATA)), true);
  (void)done;
}

void BM_LoadArea(benchmark::State& state) {
  EnterData();
  int area = static_cast<int>(state.range(0));
  SilentBoxes boxes;
  size_t n = 0;
  for (auto _ : state) {
    UnitList units = LoadUnits(AreaCatalogue(area).file, AllOriginsShown(), true, boxes);
    n = units.size();
    benchmark::DoNotOptimize(units.data());
  }
  state.SetLabel(std::string(AreaCatalogue(area).file) + " " + std::to_string(n) + " units");
}
BENCHMARK(BM_LoadArea)->DenseRange(1, kAreaCount)->Unit(benchmark::kMicrosecond);

void BM_LoadAreaGroupedByOrigin(benchmark::State& state) {
  EnterData();
  SilentBoxes boxes;
  for (auto _ : state) {
    UnitList units = LoadUnits("LAENGE.DAT", AllOriginsShown(), false, boxes);
    benchmark::DoNotOptimize(units.data());
  }
}
BENCHMARK(BM_LoadAreaGroupedByOrigin)->Unit(benchmark::kMicrosecond);

int LargestArea() {
  SilentBoxes boxes;
  int best = 1;
  size_t most = 0;
  for (int n = 1; n <= kAreaCount; ++n) {
    if (KindOfArea(n) != AreaKind::Ordinary) continue;
    size_t count = LoadUnits(AreaCatalogue(n).file, AllOriginsShown(), true, boxes).size();
    if (count > most) most = count, best = n;
  }
  return best;
}

void BM_ConvertLargestArea(benchmark::State& state) {
  EnterData();
  static int area = LargestArea();
  SilentBoxes boxes;
  UnitList units = LoadUnits(AreaCatalogue(area).file, AllOriginsShown(), true, boxes);
  for (auto _ : state) {
    ConversionResult r = Convert(KindOfArea(area), units, 0, "1,0");
    benchmark::DoNotOptimize(r.status);
  }
  state.SetLabel(std::string(AreaCatalogue(area).file) + " " + std::to_string(units.size()) + " units");
}
BENCHMARK(BM_ConvertLargestArea)->Unit(benchmark::kMicrosecond);

void BM_Real48RoundTrip(benchmark::State& state) {
  long double v = 0.3048L;
  for (auto _ : state) {
    Real48 r = ExtendedToReal48(v);
    v = Real48ToExtended(r) * 1.0000001L;
    benchmark::DoNotOptimize(v);
  }
}
BENCHMARK(BM_Real48RoundTrip);

}  // namespace
}  // namespace mensurio
