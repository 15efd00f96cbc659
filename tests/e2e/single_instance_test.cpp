// The real program, started twice: on one data directory the second start
// brings the first window to the front and ends; on two directories both
// run; a first program killed hard does not lock the user out.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "xsession.h"

namespace mensurio::e2e {
namespace {

namespace fs = std::filesystem;

// Waits until the log holds the text.
bool LogSays(const fs::path& log, const std::string& text, std::chrono::milliseconds limit = 20s) {
  for (auto end = std::chrono::steady_clock::now() + limit; std::chrono::steady_clock::now() < end;) {
    if (ReadAll(log).find(text) != std::string::npos) return true;
    std::this_thread::sleep_for(20ms);
  }
  return false;
}

class SingleInstance : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/mensurio-instance-XXXXXX";
    root_ = ::mkdtemp(pattern);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("QT_LOGGING_RULES", "mensurio.instance.info=true", 1);
  }
  void TearDown() override {
    processes_.clear();
    fs::remove_all(root_);
  }

  // Starts the program on the data directory `dir` (made and filled by the
  // program itself); its log is `log`.
  Process& Start(const fs::path& dir, const std::string& log) {
    ::setenv("MENSURIO_DIR", dir.c_str(), 1);
    processes_.push_back(std::make_unique<Process>(std::vector<std::string>{MENSURIO_PROGRAM}, root_ / log));
    return *processes_.back();
  }

  fs::path root_;
  std::vector<std::unique_ptr<Process>> processes_;
};

TEST_F(SingleInstance, OneDirectoryOneProgram) {
  struct Case {
    const char* name;
    const char* second_dir;  // relative to the test's root; the first runs on "a"
    bool kill_first;         // kill -9 the first before the second starts
    bool rename_first;       // the first's directory is renamed "a-renamed" while it runs
    bool second_runs;
  };
  const Case cases[] = {
      {"same directory", "a", false, false, false},
      {"same directory through a link", "link-to-a", false, false, false},
      {"same directory with a trailing slash", "a/", false, false, false},
      {"same directory renamed while the first runs", "a-renamed", false, true, false},
      {"another directory", "b", false, false, true},
      {"first killed hard", "a", true, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(root_ / "a");
    fs::remove_all(root_ / "a-renamed");
    fs::remove_all(root_ / "b");
    fs::remove(root_ / "link-to-a");
    fs::create_directory(root_ / "a");
    fs::create_directory_symlink(root_ / "a", root_ / "link-to-a");
    Process& first = Start(root_ / "a", "first.log");
    ASSERT_TRUE(LogSays(root_ / "first.log", "serving")) << ReadAll(root_ / "first.log");
    if (c.kill_first) first.Kill(SIGKILL);
    if (c.rename_first) fs::rename(root_ / "a", root_ / "a-renamed");

    Process& second = Start(root_ / c.second_dir, "second.log");
    if (c.second_runs) {
      EXPECT_TRUE(LogSays(root_ / "second.log", "serving")) << ReadAll(root_ / "second.log");
      EXPECT_TRUE(second.Running());
    } else {
      ASSERT_TRUE(second.WaitFor(20s)) << "a second window is open";
      EXPECT_TRUE(WIFEXITED(second.status()) && WEXITSTATUS(second.status()) == 0) << second.status();
      EXPECT_TRUE(LogSays(root_ / "first.log", "raise requested"));
      EXPECT_TRUE(first.Running());
    }
    EXPECT_EQ(first.Running(), !c.kill_first);
    processes_.clear();
  }
}

}  // namespace
}  // namespace mensurio::e2e
