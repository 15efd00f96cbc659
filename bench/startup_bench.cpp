// Time from process start to the main window painted, for Mensurio and for a
// minimal Qt window built in the same tree; the ratio is the figure that
// counts. Beside it, Mensurio until its dialogs exist too (they are made
// after the first paint), and the ratio of the whole runs including the
// programs' end. The three programs run in turn in every iteration, so that
// a busy moment of the machine touches all of them, and the medians are
// compared. Runs on the offscreen platform (unless QT_QPA_PLATFORM says
// otherwise) over a copy of the compiled data.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Run {
  double to_moment = 0;  // seconds from the start to the moment the program reported
  double whole = 0;      // seconds from the start to the end of the process
};

int64_t MonotonicNanoseconds() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<int64_t>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Starts the program with its standard output on a pipe and reads the
// moment it reports (see startclock.h).
Run StartAndWait(const std::string& program, const char* option = nullptr) {
  int out[2];
  if (::pipe(out) != 0) std::abort();
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(option), nullptr};
  const int64_t start = MonotonicNanoseconds();
  pid_t pid;
  if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ) != 0) std::abort();
  posix_spawn_file_actions_destroy(&actions);
  ::close(out[1]);
  std::string text;
  char buffer[256];
  for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<size_t>(n));
  ::close(out[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  const int64_t end = MonotonicNanoseconds();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) std::abort();
  long long moment = 0;
  char name[32];
  if (std::sscanf(text.c_str(), "%31s %lld", name, &moment) != 2) std::abort();
  return {(moment - start) * 1e-9, (end - start) * 1e-9};
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
  std::vector<double> minimal, painted, ready, minimal_whole, mensurio_whole;
  for (auto _ : state) {
    Run m = StartAndWait(dir + "/mensurio_minimal_window");
    Run p = StartAndWait(dir + "/mensurio_startup_probe");
    Run r = StartAndWait(dir + "/mensurio_startup_probe", "--ready");
    minimal.push_back(m.to_moment);
    painted.push_back(p.to_moment);
    ready.push_back(r.to_moment);
    minimal_whole.push_back(m.whole);
    mensurio_whole.push_back(p.whole);
    state.SetIterationTime(p.to_moment);
  }
  const double m = Median(minimal), p = Median(painted), r = Median(ready);
  state.counters["minimal_ms"] = m * 1e3;
  state.counters["mensurio_ms"] = p * 1e3;
  state.counters["ratio"] = p / m;
  state.counters["ready_ratio"] = r / m;
  state.counters["with_end_ratio"] = Median(mensurio_whole) / Median(minimal_whole);
}

BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(60);

}  // namespace

BENCHMARK_MAIN();
