// The real program on an X server of its own (Xvfb), driven by keyboard only
// through xdotool: window titles as the captions read, Enter on a focused
// button, Strg+I and Strg+F. What the user did is checked in MSR.INI after
// "&Beenden". Every process the test starts is ended by it.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "search.h"

extern char** environ;

namespace mensurio {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// A child process, ended when the guard goes. `keep_fd` stays open in the
// child (for Xvfb's -displayfd).
class Process {
 public:
  explicit Process(std::vector<std::string> argv, int keep_fd = -1) {
    std::vector<char*> args;
    for (auto& a : argv) args.push_back(a.data());
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (keep_fd >= 0) posix_spawn_file_actions_adddup2(&actions, keep_fd, keep_fd);
    if (posix_spawnp(&pid_, args[0], &actions, nullptr, args.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
  }
  ~Process() {
    if (pid_ > 0 && !Ended()) {
      ::kill(pid_, SIGTERM);
      ::waitpid(pid_, nullptr, 0);
    }
  }
  bool WaitForEnd(std::chrono::milliseconds limit) {
    for (auto end = std::chrono::steady_clock::now() + limit; std::chrono::steady_clock::now() < end;) {
      if (Ended()) return true;
      std::this_thread::sleep_for(50ms);
    }
    return Ended();
  }
  int status() const { return status_; }

 private:
  bool Ended() {
    if (!ended_ && ::waitpid(pid_, &status_, WNOHANG) == pid_) ended_ = true;
    return ended_;
  }
  pid_t pid_ = -1;
  bool ended_ = false;
  int status_ = 0;
};

std::string Shell(const std::string& command) {
  std::string out;
  if (FILE* p = ::popen(command.c_str(), "r")) {
    char buf[512];
    while (size_t n = std::fread(buf, 1, sizeof buf, p)) out.append(buf, n);
    ::pclose(p);
  }
  while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
  return out;
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void Keys(const std::string& keys) {
  Shell("xdotool key --delay 80 " + keys);
  std::this_thread::sleep_for(400ms);
}

// The titles of the visible windows, one a line.
std::string Titles() {
  return Shell("xdotool search --onlyvisible --name '.' 2>/dev/null | while read w; do xdotool getwindowname $w; done");
}

bool Shown(const std::string& title) {
  std::istringstream lines(Titles());
  for (std::string line; std::getline(lines, line);)
    if (line == title) return true;
  return false;
}

// Waits up to three seconds for a window of that title to come or to go.
bool HasWindow(const std::string& title, bool wanted = true) {
  for (int i = 0; i < 30 && Shown(title) != wanted; ++i) std::this_thread::sleep_for(100ms);
  return Shown(title) == wanted;
}

void FocusMainWindow() {
  Shell("xdotool search --onlyvisible --name '^Mensurio$' windowfocus --sync 2>/dev/null");
  std::this_thread::sleep_for(300ms);
}

TEST(KeyboardOnly, TitlesFocusedButtonsAndButtonKeys) {
  for (const char* tool : {"Xvfb", "xdotool"})
    ASSERT_FALSE(Shell(std::string("command -v ") + tool).empty()) << tool << " missing";
  int pipe_fds[2];
  ASSERT_EQ(::pipe(pipe_fds), 0);
  Process xvfb({"Xvfb", "-displayfd", std::to_string(pipe_fds[1]), "-screen", "0", "1024x768x24", "-nolisten", "tcp"},
               pipe_fds[1]);
  ::close(pipe_fds[1]);
  std::string number;
  char c;
  while (::read(pipe_fds[0], &c, 1) == 1 && c != '\n') number += c;
  ::close(pipe_fds[0]);
  ASSERT_FALSE(number.empty()) << "Xvfb did not start";
  ::setenv("DISPLAY", (":" + number).c_str(), 1);
  ::setenv("QT_QPA_PLATFORM", "xcb", 1);

  char pattern[] = "/tmp/mensurio-keys-XXXXXX";
  std::string dir = ::mkdtemp(pattern);
  for (const auto& e : fs::directory_iterator(MENSURIO_BUILD_DATA))
    if (e.is_regular_file() && e.path().filename().string()[0] != '.') fs::copy_file(e.path(), dir / e.path().filename());
  std::ofstream(dir + "/MSR.INI", std::ios::binary) << "20\r\n0\r\n0\r\n" << std::string(91, '1');
  ::setenv("MENSURIO_DIR", dir.c_str(), 1);
  // Where "Gehe zu" on the first hit leads.
  ASSERT_EQ(::chdir(dir.c_str()), 0);
  SearchResult found = SearchUnits(SearchMode::Name, "Meile (engl.)");
  ASSERT_FALSE(found.hits.empty());
  const int hit_area = found.hits[0].area_index;

  Process program({MENSURIO_PROGRAM});
  ASSERT_FALSE(Shell("xdotool search --sync --onlyvisible --name '^Mensurio$' | head -1").empty()) << "no window";
  FocusMainWindow();

  // The countries dialog: all boxes off, then Enter on "Abbrechen" cancels.
  Keys("alt+e");
  Keys("n");
  ASSERT_TRUE(HasWindow("Einheiten ein-/ausblenden")) << Titles();
  Keys("Tab Tab Tab space shift+Tab shift+Tab Return");  // OK -> ... -> "Alle Markierungen aus"; back to "Abbrechen"
  EXPECT_TRUE(HasWindow("Einheiten ein-/ausblenden", false)) << Titles();

  // The help window's title is its caption, nothing added.
  FocusMainWindow();
  Keys("F1");
  EXPECT_TRUE(HasWindow("Mensurio – Hilfe")) << Titles();

  FocusMainWindow();
  Keys("ctrl+i");
  EXPECT_TRUE(HasWindow("Gebiet-Information")) << Titles();
  Keys("Escape");

  // Strg+F, search, then Enter on "Gehe zu" jumps (and closes the dialog).
  FocusMainWindow();
  Keys("ctrl+f");
  ASSERT_TRUE(HasWindow("Einheiten suchen")) << Titles();
  Shell("xdotool type --delay 40 'Meile (engl.)'");
  Keys("Return");      // "Suche starten"; the focus goes to the hits
  Keys("Tab Tab Return");  // hits -> "Suche starten" -> "Gehe zu"
  EXPECT_TRUE(HasWindow("Einheiten suchen", false)) << Titles();

  FocusMainWindow();
  Keys("alt+d");
  Keys("b");
  ASSERT_TRUE(program.WaitForEnd(10s)) << "the program did not end";
  EXPECT_EQ(ReadAll(dir + "/MSR.INI"), std::to_string(hit_area) + "\r\n0\r\n0\r\n" + std::string(91, '1'));
  fs::remove_all(dir);
}

}  // namespace
}  // namespace mensurio
