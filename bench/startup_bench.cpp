// Time from process start to the main window painted, for Mensurio and for a
// minimal Qt window built in the same tree; the ratio is the figure that
// counts. Beside it, Mensurio until its dialogs exist too (they are made
// after the first paint). The three programs run in turn in every iteration,
// so that a busy moment of the machine touches all of them, and the medians
// are compared. Runs on the offscreen platform over a copy of the compiled
// data; each run includes the program's end.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

double SecondsToRun(const std::string& program, const char* option = nullptr) {
  auto start = std::chrono::steady_clock::now();
  pid_t pid;
  char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(option), nullptr};
  if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0) std::abort();
  int status = 0;
  waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) std::abort();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void Prepare() {
  static bool done = false;
  if (done) return;
  done = true;
  char pattern[] = "/tmp/mensurio-bench-XXXXXX";
  std::string dir = ::mkdtemp(pattern);
  for (const auto& e : std::filesystem::directory_iterator(MENSURIO_BUILD_DATA))
    if (e.is_regular_file()) std::filesystem::copy_file(e.path(), dir / e.path().filename());
  ::setenv("MENSURIO_DIR", dir.c_str(), 1);
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

void BM_StartUp(benchmark::State& state) {
  Prepare();
  const std::string dir = MENSURIO_BENCH_DIR;
  std::vector<double> minimal, painted, ready;
  for (auto _ : state) {
    minimal.push_back(SecondsToRun(dir + "/mensurio_minimal_window"));
    painted.push_back(SecondsToRun(dir + "/mensurio_startup_probe"));
    ready.push_back(SecondsToRun(dir + "/mensurio_startup_probe", "--ready"));
    state.SetIterationTime(painted.back());
  }
  const double m = Median(minimal), p = Median(painted), r = Median(ready);
  state.counters["minimal_ms"] = m * 1e3;
  state.counters["mensurio_ms"] = p * 1e3;
  state.counters["ready_ms"] = r * 1e3;
  state.counters["ratio"] = p / m;
  state.counters["ready_ratio"] = r / m;
}

BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(60);

}  // namespace

BENCHMARK_MAIN();
