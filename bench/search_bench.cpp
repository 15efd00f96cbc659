// The unit search over the 47 compiled area files.
//   build/mensurio_bench_search            (reads build/data)
//   MENSURIO_DIR=/some/data build/mensurio_bench_search
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "search.h"

namespace {

void Search(benchmark::State& state, mensurio::SearchMode mode, const char* text) {
  size_t hits = 0;
  for (auto _ : state) {
    mensurio::SearchResult r = mensurio::SearchUnits(mode, text);
    if (r.file_failed) {
      state.SkipWithError("an area file is missing");
      return;
    }
    hits = r.hits.size();
    benchmark::DoNotOptimize(r);
  }
  state.counters["hits"] = static_cast<double>(hits);
}

BENCHMARK_CAPTURE(Search, name_meter, mensurio::SearchMode::Name, "meter")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, name_none, mensurio::SearchMode::Name, "qqqq")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Search, symbol_m, mensurio::SearchMode::Symbol, "m")->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  const char* dir = std::getenv("MENSURIO_DIR");
  if (!dir) dir = MENSURIO_BUILD_DATA;
  if (::chdir(dir) != 0) {
    std::perror(dir);
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
