// "&Wechselkurse importieren...": reading a rate file of 30 currencies and
// rewriting the currency file with its rates, and reading the bank's whole
// history (about 7,000 days of 41 columns) to find its newest day.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "rateimport.h"
#include "silentboxes.h"

namespace mensurio {
namespace {

constexpr const char* kCodes[] = {"USD", "JPY", "BGN", "CZK", "DKK", "GBP", "HUF", "PLN", "RON", "SEK",
                                  "CHF", "ISK", "NOK", "TRY", "AUD", "BRL", "CAD", "CNY", "HKD", "IDR",
                                  "ILS", "INR", "KRW", "MXN", "MYR", "NZD", "PHP", "SGD", "THB", "ZAR"};
const Date kToday{std::chrono::year(2026), std::chrono::month(12), std::chrono::day(8)};

std::string Rate(int i) { return std::to_string(1 + i * 7) + "." + std::to_string(1000 + i * 37); }

std::string DailyXml() {
  std::string xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gesmes:Envelope xmlns:gesmes=\"http://www.gesmes.org/xml/"
      "2002-08-01\" xmlns=\"http://www.ecb.int/vocabulary/2002-08-01/eurofxref\">\n\t<Cube>\n"
      "\t\t<Cube time='2026-12-07'>\n";
  int i = 0;
  for (const char* code : kCodes) xml += "\t\t\t<Cube currency='" + std::string(code) + "' rate='" + Rate(i++) + "'/>\n";
  return xml + "\t\t</Cube>\n\t</Cube>\n</gesmes:Envelope>\n";
}

// The layout of eurofxref-hist.csv: 41 columns, N/A for the currencies that
// have ended, one line a working day since 1999, newest first.
std::string HistoryCsv() {
  std::string csv = "Date";
  for (const char* code : kCodes) csv += std::string(",") + code;
  for (int i = 0; i < 11; ++i) csv += ",X" + std::string(1, static_cast<char>('A' + i)) + "X";
  csv += ",\n";
  for (int day = 0; day < 7000; ++day) {
    int year = 2026 - day / 261, month = 12 - (day / 22) % 12, dom = 28 - day % 22;
    char date[16];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, month, dom);
    csv += date;
    for (int i = 0; i < 30; ++i) csv += "," + Rate(i);
    for (int i = 0; i < 11; ++i) csv += ",N/A";
    csv += ",\n";
  }
  return csv;
}

void BM_ReadDailyRateFile(benchmark::State& state) {
  const std::string xml = DailyXml();
  for (auto _ : state) benchmark::DoNotOptimize(ReadRateFile(xml, kToday));
  state.SetLabel(std::to_string(xml.size()) + " bytes");
}
BENCHMARK(BM_ReadDailyRateFile)->Unit(benchmark::kMicrosecond);

void BM_ReadWholeHistory(benchmark::State& state) {
  const std::string csv = HistoryCsv();
  for (auto _ : state) benchmark::DoNotOptimize(ReadRateFile(csv, kToday));
  state.SetLabel(std::to_string(csv.size() / 1024) + " KiB");
}
BENCHMARK(BM_ReadWholeHistory)->Unit(benchmark::kMillisecond);

// Read, check and rewrite a copy of the shipped WAEHRUNG.DAT, flushed to
// the disk as the program does: in /tmp (a disk here), and in /dev/shm (in
// memory, where the flush costs nothing) for the program's own share.
void ImportInto(benchmark::State& state, const char* base) {
  namespace fs = std::filesystem;
  std::string pattern = std::string(base) + "/mensurio-bench-XXXXXX";
  fs::path dir = ::mkdtemp(pattern.data());
  fs::path old = fs::current_path();
  fs::copy_file(fs::path(MENSURIO_BUILD_DATA) / "WAEHRUNG.DAT", dir / "WAEHRUNG.DAT");
  fs::current_path(dir);
  const std::string xml = DailyXml();
  SilentBoxes boxes;
  for (auto _ : state)
    if (!ImportRates(xml, kToday, boxes).has_value()) state.SkipWithError("import failed");
  state.SetLabel(std::to_string(fs::file_size("WAEHRUNG.DAT") / 258) + " records");
  fs::current_path(old);
  fs::remove_all(dir);
}
void BM_ImportDailyRateFile(benchmark::State& state) { ImportInto(state, "/tmp"); }
BENCHMARK(BM_ImportDailyRateFile)->Unit(benchmark::kMicrosecond);
void BM_ImportDailyRateFileInMemory(benchmark::State& state) { ImportInto(state, "/dev/shm"); }
BENCHMARK(BM_ImportDailyRateFileInMemory)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace mensurio

BENCHMARK_MAIN();
