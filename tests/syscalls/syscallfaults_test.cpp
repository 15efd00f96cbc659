// Every file system call of each write path, in turn: the process killed
// right at it (a child _exits there), and the call failed with ENOSPC and
// with EIO. Killed, every file holds its old or its new bytes (record by
// record where the path writes records in place); failed, besides that,
// the failure is reported and no temporary file is left behind.
//
// The test executable is linked with --wrap for every call the core makes
// (see CMakeLists.txt), so the calls counted here are the real ones.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdarg>
#include <filesystem>
#include <functional>
#include <map>
#include <set>

#include "catalogue.h"
#include "deletehidden.h"
#include "factorchange.h"
#include "hiding.h"
#include "ioerror.h"
#include "maintenance.h"
#include "ownunit.h"
#include "records.h"
#include "scriptedboxes.h"
#include "settings.h"
#include "tempdir.h"

namespace {

enum class Mode { Off, Count, Kill, Fail };

struct Injection {
  Mode mode = Mode::Off;
  long at = 0;  // the call (1-based) to kill or fail
  int err = 0;
  long calls = 0;
  std::multiset<std::string> names;
};
Injection injection;

constexpr int kKilled = 77;

void Arm(Mode mode, long at = 0, int err = 0) { injection = Injection{mode, at, err, 0, {}}; }

// 0 to make the call; otherwise the errno it fails with.
int Inject(const char* name) {
  if (injection.mode == Mode::Off) return 0;
  ++injection.calls;
  injection.names.insert(name);
  if (injection.calls != injection.at) return 0;
  if (injection.mode == Mode::Kill) ::_exit(kKilled);
  return injection.mode == Mode::Fail ? injection.err : 0;
}

}  // namespace

extern "C" {

#define MENSURIO_WRAP(type, name, params, args)   \
  type __real_##name params;                      \
  type __wrap_##name params {                     \
    if (int e = Inject(#name)) {                  \
      errno = e;                                  \
      return -1;                                  \
    }                                             \
    return __real_##name args;                    \
  }

int __real_open(const char* path, int flags, ...);
int __wrap_open(const char* path, int flags, ...) {
  mode_t mode = 0;
  if (flags & O_CREAT) {
    va_list ap;
    va_start(ap, flags);
    mode = va_arg(ap, mode_t);
    va_end(ap);
  }
  if (int e = Inject("open")) {
    errno = e;
    return -1;
  }
  return __real_open(path, flags, mode);
}

// A failing close still releases the descriptor, as on Linux.
int __real_close(int fd);
int __wrap_close(int fd) {
  int e = Inject("close");
  int r = __real_close(fd);
  if (e == 0) return r;
  errno = e;
  return -1;
}

char* __real_realpath(const char* path, char* resolved);
char* __wrap_realpath(const char* path, char* resolved) {
  if (int e = Inject("realpath")) {
    errno = e;
    return nullptr;
  }
  return __real_realpath(path, resolved);
}

MENSURIO_WRAP(ssize_t, read, (int fd, void* b, size_t n), (fd, b, n))
MENSURIO_WRAP(ssize_t, pread, (int fd, void* b, size_t n, off_t o), (fd, b, n, o))
MENSURIO_WRAP(ssize_t, pwrite, (int fd, const void* b, size_t n, off_t o), (fd, b, n, o))
MENSURIO_WRAP(int, fsync, (int fd), (fd))
MENSURIO_WRAP(int, fstat, (int fd, struct stat* st), (fd, st))
MENSURIO_WRAP(int, stat, (const char* p, struct stat* st), (p, st))
MENSURIO_WRAP(int, lstat, (const char* p, struct stat* st), (p, st))
MENSURIO_WRAP(int, fchmod, (int fd, mode_t m), (fd, m))
MENSURIO_WRAP(int, unlink, (const char* p), (p))
MENSURIO_WRAP(int, rename, (const char* a, const char* b), (a, b))
MENSURIO_WRAP(int, faccessat, (int d, const char* p, int m, int f), (d, p, m, f))

}  // extern "C"

namespace mensurio {
namespace {

using namespace mensurio::testing;
namespace fs = std::filesystem;

const std::string kFile = "LAENGE.DAT";
constexpr int kLaenge = 20;
constexpr size_t kRecords = 130;  // more than one read block

std::vector<UnitRecord> AreaRecords() {
  std::vector<UnitRecord> records;
  for (size_t i = 0; i < kRecords; ++i) {
    char name[8];
    std::snprintf(name, sizeof name, "u%03zu", i);
    records.push_back(MakeRecord(name, 1, 1.5L, i % 3 == 0 ? 0 : 1));
  }
  return records;
}

// A write path: the files it changes, how to set them up, how to run it.
struct WritePath {
  const char* name;
  std::vector<std::string> files;
  size_t unit;  // 0: each file is old or new as a whole; else record by record
  std::function<void()> prepare;
  // True when the path reports success (a warning may come with it).
  std::function<bool(MessageBoxes&)> run;
};

void PrepareArea() {
  fs::remove(kFile);  // a link of an earlier run itself
  WriteBytes(kFile, FileBytes(AreaRecords()));
  WriteBytes(kSettingsFile, "20\r\n0\r\n0\r\n" + std::string(91, '1'));
}

// LAENGE.DAT a link the user made to real/LAENGE.DAT.
void PrepareLinkedArea() {
  fs::remove_all("real");
  PrepareArea();
  fs::create_directories("real");
  fs::rename(kFile, "real/" + kFile);
  fs::create_symlink("real/" + kFile, kFile);
}

TAusgabetextobject Entry(size_t n) { return TAusgabetextobject{AreaRecords()[n], static_cast<int32_t>(n), {}, {}}; }

template <typename Operation>
bool Reported(MessageBoxes& boxes, Operation&& operation) {
  try {
    return operation();
  } catch (const IoError& e) {  // the window's application-wide report
    boxes.ReportError(IoErrorReport(e.code()));
    return false;
  }
}

const std::vector<WritePath>& Paths() {
  static const std::vector<WritePath> paths = {
      {"delete hidden units", {kFile}, 0, PrepareArea,
       [](MessageBoxes& b) {
         DeleteHiddenUnits rule;
         return RewriteAreaFile(kFile, rule, b);
       }},
      {"own unit", {kFile}, 0, PrepareArea,
       [](MessageBoxes& b) {
         return InsertOwnUnit(kLaenge, OwnUnitTexts{"u0745", "x", "", "", "2,5"}, b) == OwnUnitResult::Inserted;
       }},
      {"own unit, area file linked", {"real/" + kFile}, 0, PrepareLinkedArea,
       [](MessageBoxes& b) {
         return InsertOwnUnit(kLaenge, OwnUnitTexts{"u0745", "x", "", "", "2,5"}, b) == OwnUnitResult::Inserted;
       }},
      {"factor change", {kFile}, 0, PrepareArea,
       [](MessageBoxes& b) {
         TAusgabetextobject entry = Entry(100);
         return ChangeFactor(kLaenge, entry, "7", b) == FactorChangeResult::Changed;
       }},
      {"hide", {kFile}, 0, PrepareArea,
       [](MessageBoxes& b) {
         return Reported(b, [&] {
           UnitList units = {Entry(1), Entry(125)};
           return HideUnit(kLaenge, units, 1, b).has_value();
         });
       }},
      {"re-show", {kFile}, kRecordSize, PrepareArea,
       [](MessageBoxes& b) {
         std::vector<TDatenobject> lines;
         for (size_t n : {0, 3, 126, 129}) lines.push_back({static_cast<int32_t>(n), Entry(n).name(), 1});
         return ReshowUnits(kLaenge, lines, b) == InPlaceResult::Saved;
       }},
      {"settings", {kSettingsFile}, 0, PrepareArea,
       [](MessageBoxes& b) {
         Settings s;
         s.area_index = 7;
         return WriteSettings(s, b);
       }},
  };
  return paths;
}

std::map<std::string, std::string> Contents(const std::vector<std::string>& files) {
  std::map<std::string, std::string> bytes;
  for (const std::string& f : files) bytes[f] = ReadBytes(f);
  return bytes;
}

// Each file is its old or its new content, as a whole or unit by unit.
bool OldOrNew(const WritePath& path, const std::map<std::string, std::string>& old,
              const std::map<std::string, std::string>& now, const std::map<std::string, std::string>& neu) {
  for (const std::string& f : path.files) {
    const std::string &o = old.at(f), &c = now.at(f), &n = neu.at(f);
    if (path.unit == 0) {
      if (c != o && c != n) return false;
      continue;
    }
    if (c.size() != o.size() || o.size() != n.size()) return false;
    for (size_t at = 0; at < c.size(); at += path.unit)
      if (c.compare(at, path.unit, o, at, path.unit) != 0 && c.compare(at, path.unit, n, at, path.unit) != 0)
        return false;
  }
  return true;
}

bool NoTemporaryFileLeft() {
  return !fs::exists(fs::symlink_status(kTempFile)) && !fs::exists(fs::symlink_status(kSettingsTemp)) &&
         !fs::exists(fs::symlink_status("real/" + kFile + ".NEU"));
}

struct Counts {
  long points = 0;
  long killed = 0, killed_survived = 0;
  long failed = 0, failed_survived = 0;
};

// The working directory for one path: in memory where the system has
// /dev/shm (several thousand syncs cost nothing there), else under /tmp.
class ScratchDir {
 public:
  ScratchDir() {
    std::string pattern = fs::is_directory("/dev/shm") ? "/dev/shm/mensurio-syscalls-XXXXXX"
                                                        : "/tmp/mensurio-syscalls-XXXXXX";
    path_ = ::mkdtemp(pattern.data());
    old_ = fs::current_path();
    fs::current_path(path_);
  }
  ~ScratchDir() {
    fs::current_path(old_);
    std::error_code ec;
    fs::remove_all(path_, ec);
  }

 private:
  std::string path_;
  fs::path old_;
};

TEST(SyscallFaults, EveryCallOfEveryWritePathKilledAndFailed) {
  Counts total;
  for (const WritePath& path : Paths()) {
    SCOPED_TRACE(path.name);
    ScratchDir dir;
    path.prepare();
    const auto old = Contents(path.files);
    Arm(Mode::Count);
    ScriptedBoxes quiet;
    ASSERT_TRUE(path.run(quiet));
    ASSERT_TRUE(quiet.shown.empty());
    const long points = injection.calls;
    const std::multiset<std::string> names = injection.names;
    Arm(Mode::Off);
    const auto neu = Contents(path.files);
    ASSERT_NE(old, neu);
    // The wrapping reached the core: these calls are among the counted ones.
    for (const char* call : {"open", "pwrite", "fsync", "close"}) EXPECT_TRUE(names.count(call)) << call;
    Counts counts;
    counts.points = points;

    for (long k = 1; k <= points; ++k) {
      for (const char* f : {kTempFile, kSettingsTemp}) fs::remove(f);
      path.prepare();
      pid_t child = ::fork();
      ASSERT_GE(child, 0);
      if (child == 0) {
        Arm(Mode::Kill, k);
        ScriptedBoxes boxes;
        path.run(boxes);
        ::_exit(0);
      }
      int status = 0;
      ::waitpid(child, &status, 0);
      ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == kKilled) << "call " << k << " was not reached";
      ++counts.killed;
      if (OldOrNew(path, old, Contents(path.files), neu))
        ++counts.killed_survived;
      else
        ADD_FAILURE() << "killed at call " << k << ": neither old nor new";
    }

    for (int err : {ENOSPC, EIO}) {
      for (long k = 1; k <= points; ++k) {
        path.prepare();
        Arm(Mode::Fail, k, err);
        ScriptedBoxes boxes;
        const bool success = path.run(boxes);
        Arm(Mode::Off);
        const auto now = Contents(path.files);
        ++counts.failed;
        // Reported: a failure, or a success that says the disk did not confirm it.
        const bool reported = success ? boxes.shown.size() == 1 && boxes.shown[0].kind == BoxKind::Warning
                                      : !boxes.shown.empty();
        const bool consistent = !success || now == neu;
        if (OldOrNew(path, old, now, neu) && reported && consistent && NoTemporaryFileLeft())
          ++counts.failed_survived;
        else
          ADD_FAILURE() << "errno " << err << " at call " << k << ": success " << success << ", boxes "
                        << boxes.shown.size() << ", old or new " << OldOrNew(path, old, now, neu);
      }
    }
    std::printf("%-28s %4ld calls; killed %4ld, survived %4ld; failed %4ld, survived %4ld\n", path.name,
                counts.points, counts.killed, counts.killed_survived, counts.failed, counts.failed_survived);
    total.points += counts.points;
    total.killed += counts.killed;
    total.killed_survived += counts.killed_survived;
    total.failed += counts.failed;
    total.failed_survived += counts.failed_survived;
  }
  std::printf("%-28s %4ld calls; killed %4ld, survived %4ld; failed %4ld, survived %4ld\n", "all write paths",
              total.points, total.killed, total.killed_survived, total.failed, total.failed_survived);
  EXPECT_EQ(total.killed_survived, total.killed);
  EXPECT_EQ(total.failed_survived, total.failed);
}

}  // namespace
}  // namespace mensurio
