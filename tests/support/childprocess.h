// A child process of a test, ended (SIGTERM) when its guard goes.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace mensurio::testing {

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
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  ~Process() { Kill(SIGTERM); }

  bool Running() const { return pid_ > 0 && !Exited(); }
  // Sends the signal and waits for the end.
  void Kill(int signal) {
    if (pid_ > 0 && !Exited()) {
      ::kill(pid_, signal);
      int status = 0;
      ::waitpid(pid_, &status, 0);
      exited_ = true;
      status_ = status;
    }
  }
  // Waits up to `limit` for the end; true when the process ended.
  bool WaitFor(std::chrono::milliseconds limit) {
    for (auto end = std::chrono::steady_clock::now() + limit; std::chrono::steady_clock::now() < end;) {
      if (Exited()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return Exited();
  }
  // The wait status (WIFEXITED, WEXITSTATUS) once ended.
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

}  // namespace mensurio::testing
