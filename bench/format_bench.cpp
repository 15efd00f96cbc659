// Cost of the result texts of one value and of a whole factor conversion.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "conversion.h"
#include "format.h"
#include "records.h"

namespace mensurio {
namespace {

// Values of the shapes the lists show: fixed texts of every width, the
// scientific form of very large and very small values, and zero.
const std::vector<double> kTypical = {1,       0.3048,  1609.344, -2.5,   -40,     99999999.5, 12345678901.0,
                                      9.9e12,  1e13,    1e-12,    0,      3.7e-5,  0.0254,     123.456789,
                                      6.02e23, 1.6e-19, 5280,     0.9144, 42.195,  1.0 / 3};

// Exact decimal halves: these take the slow path that writes every digit.
const std::vector<double> kHalves = {1.2265625, 1.0 / 2048, 12345665, 10 + 1.0 / 1024, 12345678902.5};

void RunResultTexts(benchmark::State& state, const std::vector<double>& values) {
  TAusgabetextobject entry;
  size_t i = 0;
  for (auto _ : state) {
    MakeResultTexts(entry, values[i]);
    benchmark::DoNotOptimize(entry.float_text.data());
    if (++i == values.size()) i = 0;
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_MakeResultTexts_Typical(benchmark::State& state) { RunResultTexts(state, kTypical); }
void BM_MakeResultTexts_Halves(benchmark::State& state) { RunResultTexts(state, kHalves); }
BENCHMARK(BM_MakeResultTexts_Typical);
BENCHMARK(BM_MakeResultTexts_Halves);

void BM_FormatScientific(benchmark::State& state) {
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FormatScientific(kTypical[i]));
    if (++i == kTypical.size()) i = 0;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatScientific);

void BM_ConvertByFactor(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  UnitList units;
  for (int i = 0; i < count; ++i) {
    TAusgabetextobject e;
    // factors from 1e-9 to 1e9, some units unreachable
    long double factor = i % 37 == 0 ? 0.0L : std::pow(10.0L, (i % 19) - 9) * (1 + i % 7 * 0.37L);
    e.record = testing::MakeRecord("unit", 1, factor);
    e.record_number = i;
    units.push_back(e);
  }
  for (auto _ : state) {
    ConversionResult r = ConvertByFactor(units, 5, "1,5");
    benchmark::DoNotOptimize(r.status);
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_ConvertByFactor)->Arg(300);

}  // namespace
}  // namespace mensurio
