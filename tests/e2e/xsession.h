// The real program under its own Xvfb server, driven through xdotool: the
// child processes, the server, keys and typing. Every process started here
// is ended by its guard.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "silentboxes.h"

extern char** environ;

namespace mensurio::e2e {

using namespace std::chrono_literals;

// A child process that is ended when the guard goes.
class Process {
 public:
  // Runs argv[0] (looked up in PATH) with the test's environment; its
  // standard error goes to `stderr_file` when one is named.
  explicit Process(std::vector<std::string> argv, const std::string& stderr_file = "") {
    std::vector<char*> args;
    for (auto& a : argv) args.push_back(a.data());
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!stderr_file.empty())
      posix_spawn_file_actions_addopen(&actions, 2, stderr_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (posix_spawnp(&pid_, args[0], &actions, nullptr, args.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
  }
  ~Process() { Kill(SIGTERM); }
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  // Sends the signal and waits for the end.
  void Kill(int signal) {
    if (pid_ > 0 && !Exited()) {
      ::kill(pid_, signal);
      ::waitpid(pid_, &status_, 0);
      exited_ = true;
    }
  }
  bool Running() const { return pid_ > 0 && !Exited(); }
  // Waits up to `limit` for the end; true when the process ended.
  bool WaitFor(std::chrono::milliseconds limit) {
    for (auto end = std::chrono::steady_clock::now() + limit; std::chrono::steady_clock::now() < end;) {
      if (Exited()) return true;
      std::this_thread::sleep_for(50ms);
    }
    return Exited();
  }
  int status() const { return status_; }

 private:
  bool Exited() const {
    if (exited_) return true;
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {
      exited_ = true;
      status_ = status;
    }
    return exited_;
  }
  pid_t pid_ = -1;
  mutable bool exited_ = false;
  mutable int status_ = 0;
};

inline std::string Shell(const std::string& command) {
  std::string out;
  if (FILE* p = ::popen(command.c_str(), "r")) {
    char buf[512];
    while (size_t n = std::fread(buf, 1, sizeof buf, p)) out.append(buf, n);
    ::pclose(p);
  }
  while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
  return out;
}

inline std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void Keys(const std::string& keys) {
  Shell("xdotool key --delay 60 " + keys);
  std::this_thread::sleep_for(300ms);
}

inline void Type(const std::string& text) {
  Shell("xdotool type --delay 40 '" + text + "'");
  std::this_thread::sleep_for(300ms);
}

// The id of the first visible window whose title matches `title` (a
// regular expression), waiting for it up to about `seconds`; "" if none.
inline std::string WaitForWindow(const std::string& title, int seconds = 10) {
  for (int i = 0; i < seconds * 5; ++i) {
    std::string id = Shell("xdotool search --onlyvisible --name '" + title + "' 2>/dev/null | head -1");
    if (!id.empty()) return id;
    std::this_thread::sleep_for(200ms);
  }
  return "";
}

// The first line a pipe delivers within `limit`, without its newline; what
// arrived so far when the writer closes or the time is up.
inline std::string ReadLineWithin(int fd, std::chrono::milliseconds limit) {
  std::string line;
  for (auto end = std::chrono::steady_clock::now() + limit; std::chrono::steady_clock::now() < end;) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, 100) <= 0) continue;
    char c;
    if (::read(fd, &c, 1) != 1 || c == '\n') break;
    line += c;
  }
  return line;
}

// An Xvfb server on a display number it picks itself (so that it cannot
// collide with another server on the machine); DISPLAY names it while the
// object lives.
class Xvfb {
 public:
  Xvfb() {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return;
    ::fcntl(fds[1], F_SETFD, 0);
    server_ = std::make_unique<Process>(std::vector<std::string>{
        "Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    ::close(fds[1]);
    std::string number = ReadLineWithin(fds[0], 10s);
    ::close(fds[0]);
    if (number.empty()) return;
    ::setenv("DISPLAY", (":" + number).c_str(), 1);
    for (int i = 0; i < 50 && !up_; ++i) {
      std::this_thread::sleep_for(100ms);
      up_ = Shell("xdotool getdisplaygeometry 2>/dev/null") != "";
    }
  }
  // True when the server answers.
  bool Up() const { return up_; }

 private:
  std::unique_ptr<Process> server_;
  bool up_ = false;
};

// Xvfb and the tools the tests drive it with.
inline bool ToolsPresent() {
  return Shell("for p in Xvfb xdotool xclip xprop; do command -v $p; done | wc -l") == "4";
}

// The compiled data in a new temporary directory that the program is told
// to use (MENSURIO_DIR), on the X server (not offscreen); its path.
inline std::string DataDirectoryForTheProgram() {
  char pattern[] = "/tmp/mensurio-e2e-XXXXXX";
  std::string dir = ::mkdtemp(pattern);
  for (const auto& e : std::filesystem::directory_iterator(MENSURIO_BUILD_DATA))
    if (e.is_regular_file() && e.path().filename().string()[0] != '.')
      std::filesystem::copy_file(e.path(), dir / e.path().filename());
  ::setenv("MENSURIO_DIR", dir.c_str(), 1);
  ::setenv("QT_QPA_PLATFORM", "xcb", 1);
  return dir;
}

}  // namespace mensurio::e2e
