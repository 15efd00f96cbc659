// Time from process start to the main window shown, for Mensurio and for a
// minimal Qt window built in the same tree; the ratio is the figure that
// counts. Runs on the offscreen platform over a copy of the compiled data.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

extern char** environ;

namespace {

double g_minimal_seconds = 0;

void Run(const std::string& program) {
  pid_t pid;
  char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
  if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0) std::abort();
  int status = 0;
  waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) std::abort();
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

void BM_MinimalWindowStart(benchmark::State& state) {
  Prepare();
  auto start = std::chrono::steady_clock::now();
  for (auto _ : state) Run(MENSURIO_BENCH_DIR "/mensurio_minimal_window");
  g_minimal_seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / state.iterations();
}

void BM_MensurioStart(benchmark::State& state) {
  Prepare();
  auto start = std::chrono::steady_clock::now();
  for (auto _ : state) Run(MENSURIO_BENCH_DIR "/mensurio_startup_probe");
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / state.iterations();
  if (g_minimal_seconds > 0) state.counters["ratio_to_minimal"] = seconds / g_minimal_seconds;
}

BENCHMARK(BM_MinimalWindowStart)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
BENCHMARK(BM_MensurioStart)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

}  // namespace

BENCHMARK_MAIN();
