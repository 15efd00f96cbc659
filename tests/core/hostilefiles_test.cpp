// Odd and hostile things in the data directory: links planted under the
// names of the temporary files, links the user made on purpose, FIFOs and
// devices in place of the program's files, files far too large.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "areainfo.h"
#include "catalogue.h"
#include "datafiles.h"
#include "ioerror.h"
#include "ownunit.h"
#include "recordfile.h"
#include "scriptedboxes.h"
#include "search.h"
#include "settings.h"
#include "unitlist.h"

namespace mensurio {
namespace {

using namespace mensurio::testing;
namespace fs = std::filesystem;

const std::string kFile = "LAENGE.DAT";
const std::string kOld = FileBytes({Marked("a"), Marked("c")});
const std::string kVictimBytes = "belongs to somebody else";

// A file of the user outside the data directory; the data directory is the
// working directory.
struct Directories {
  Directories() { WriteBytes(Victim(), kVictimBytes); }
  std::string Victim() const { return outside.path() + "/victim"; }
  std::string Elsewhere(const std::string& name) const { return outside.path() + "/" + name; }
  TempWorkDir outside;
  TempWorkDir data;  // the working directory while it lives
};

bool InsertOwnUnitX(MessageBoxes& boxes) {
  return InsertOwnUnit(kLaenge, OwnUnitTexts{"b", "", "", "", "2"}, boxes) == OwnUnitResult::Inserted;
}

bool WriteTheSettings(MessageBoxes& boxes) { return WriteSettings(Settings{}, boxes); }

struct Writer {
  const char* name;
  std::string file;  // what it replaces
  std::string temp;  // its temporary file
  std::function<bool(MessageBoxes&)> write;
};

const Writer kWriters[] = {
    {"own unit", kFile, kTempFile, InsertOwnUnitX},
    {"settings", kSettingsFile, kSettingsTemp, WriteTheSettings},
};

// Whatever lies under the temporary file's name, the new file is made
// fresh in the data directory: nothing outside is written or created, and
// the replaced file is a plain file with the new content.
TEST(HostileFiles, NothingIsWrittenThroughALinkPlantedUnderATemporaryName) {
  enum class Plant { Symlink, DanglingSymlink, HardLink };
  for (const Writer& w : kWriters) {
    for (Plant plant : {Plant::Symlink, Plant::DanglingSymlink, Plant::HardLink}) {
      Directories dirs;
      WriteBytes(kFile, kOld);
      WriteBytes(kSettingsFile, "1\r\n0\r\n0\r\n");
      const std::string dangling = dirs.Elsewhere("created");
      if (plant == Plant::Symlink) fs::create_symlink(dirs.Victim(), w.temp);
      if (plant == Plant::DanglingSymlink) fs::create_symlink(dangling, w.temp);
      if (plant == Plant::HardLink) fs::create_hard_link(dirs.Victim(), w.temp);
      SCOPED_TRACE(::testing::Message() << w.name << ", plant " << static_cast<int>(plant));
      ScriptedBoxes boxes;
      EXPECT_TRUE(w.write(boxes));
      EXPECT_TRUE(boxes.shown.empty());
      EXPECT_EQ(ReadBytes(dirs.Victim()), kVictimBytes);
      EXPECT_FALSE(fs::exists(fs::symlink_status(dangling)));
      EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(w.file)));
      EXPECT_NE(ReadBytes(w.file).find(w.file == kFile ? "b" : "1\r\n0\r\n0\r\n1111"), std::string::npos);
      EXPECT_FALSE(fs::exists(fs::symlink_status(w.temp)));
    }
  }
}

// A file the user made a link stays a link; its target gets the new content
// and keeps its permission bits, and so does a plain file.
TEST(HostileFiles, TheUsersLinksStayLinksAndPermissionsStay) {
  for (const Writer& w : kWriters) {
    for (bool linked : {true, false}) {
      SCOPED_TRACE(::testing::Message() << w.name << (linked ? ", linked" : ", plain"));
      Directories dirs;
      const std::string target = linked ? dirs.Elsewhere(w.file) : w.file;
      WriteBytes(kFile, kOld);
      WriteBytes(kSettingsFile, "1\r\n0\r\n0\r\n");
      if (linked) {
        fs::rename(w.file, target);
        fs::create_symlink(target, w.file);
      }
      ::chmod(target.c_str(), 0640);
      ScriptedBoxes boxes;
      EXPECT_TRUE(w.write(boxes));
      EXPECT_TRUE(boxes.shown.empty());
      EXPECT_EQ(fs::is_symlink(w.file), linked);
      EXPECT_EQ(ReadBytes(w.file), ReadBytes(target));
      EXPECT_NE(ReadBytes(target).find(w.file == kFile ? "b" : "1111"), std::string::npos);
      struct stat st;
      ASSERT_EQ(::stat(target.c_str(), &st), 0);
      EXPECT_EQ(st.st_mode & 07777, 0640u);
      EXPECT_FALSE(fs::exists(target + ".NEU"));
      EXPECT_FALSE(fs::exists(w.temp));
    }
  }
}

// An MSR.INI the user may not write is left alone with the warning, even
// where the directory would let the program replace it.
TEST(HostileFiles, AnMsrIniTheUserMayNotWriteIsNotReplaced) {
  TempWorkDir dir;
  WriteBytes(kSettingsFile, "old");
  ::chmod(kSettingsFile, 0444);
  ::chmod(dir.path().c_str(), 0777);
  auto write_as_user = [] {
    ScriptedBoxes boxes;
    return !WriteSettings(Settings{}, boxes) && boxes.Texts() == std::vector<std::string>{kSettingsWriteWarning};
  };
  bool warned = false;
  if (::geteuid() != 0) {
    warned = write_as_user();
  } else {  // root may write anything: try it as an ordinary user
    pid_t child = ::fork();
    if (child == 0) {
      bool ok = ::setgid(65534) == 0 && ::setuid(65534) == 0 && write_as_user();
      ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    warned = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }
  EXPECT_TRUE(warned);
  EXPECT_EQ(ReadBytes(kSettingsFile), "old");
  EXPECT_FALSE(fs::exists(kSettingsTemp));
}

// Fails the test instead of hanging it.
struct Deadline {
  Deadline() { ::alarm(20); }
  ~Deadline() { ::alarm(0); }
};

// A FIFO, a device or a directory in place of one of the program's files
// is refused at once, as a file that cannot be opened.
TEST(HostileFiles, NonRegularFilesAreRefusedWithoutWaiting) {
  Deadline deadline;
  enum class Kind { Fifo, Device, Directory };
  for (Kind kind : {Kind::Fifo, Kind::Device, Kind::Directory}) {
    SCOPED_TRACE(static_cast<int>(kind));
    TempWorkDir dir;
    for (const std::string& name : {kFile, std::string(kSettingsFile), std::string(kInfoFile)}) {
      if (kind == Kind::Fifo) {
        ASSERT_EQ(::mkfifo(name.c_str(), 0644), 0);
      }
      if (kind == Kind::Device) fs::create_symlink("/dev/zero", name);
      if (kind == Kind::Directory) fs::create_directory(name);
    }
    ScriptedBoxes boxes;
    EXPECT_TRUE(LoadUnits(kFile, AllOriginsShown(), true, boxes).empty());
    Settings s = ReadSettings(boxes);
    EXPECT_EQ(s.area_index, 1);
    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{CannotOpenMessage(kFile), kSettingsMissingWarning}));
    EXPECT_THROW(ReadAreaInformation(1), IoError);
    EXPECT_THROW(RecordFile::Open(kFile, kRecordSize, true), IoError);
  }
}

// A (sparse) file far too long for an area file is refused as one that
// cannot be opened: an empty list, no exception, no attempt to hold it.
TEST(HostileFiles, AFileTooLargeToBeAnAreaFileIsRefused) {
  struct Case {
    int64_t bytes;
    bool refused;
  };
  const Case cases[] = {
      {kMaxRecords * kRecordSize, false},
      {(kMaxRecords + 1) * kRecordSize, true},
      {20LL << 30, true},   // 20 GB
      {600LL << 30, true},  // 600 GB: more records than 32 bits hold
  };
  for (const Case& c : cases) {
    TempWorkDir dir;
    WriteBytes(kFile, "");
    ASSERT_EQ(::truncate(kFile.c_str(), c.bytes), 0);
    if (c.refused) {
      EXPECT_THROW(RecordFile::Open(kFile, kRecordSize, false), IoError) << c.bytes;
      ScriptedBoxes boxes;
      EXPECT_TRUE(LoadUnits(kFile, AllOriginsShown(), true, boxes).empty());
      EXPECT_EQ(boxes.Texts(), std::vector<std::string>{CannotOpenMessage(kFile)});
      EXPECT_FALSE(InsertOwnUnitX(boxes));
      EXPECT_EQ(fs::file_size(kFile), static_cast<uintmax_t>(c.bytes));
    } else {
      EXPECT_EQ(RecordFile::Open(kFile, kRecordSize, false).Count(), kMaxRecords);
    }
  }
}

TEST(HostileFiles, TheSearchStopsAtAFileTooLarge) {
  TempWorkDir dir;
  for (int area = 1; area <= kAreaCount; ++area) WriteBytes(AreaCatalogue(area).file, FileBytes({Marked("xy")}));
  ASSERT_EQ(::truncate(AreaCatalogue(3).file, 20LL << 30), 0);
  SearchResult result = SearchUnits(SearchMode::Name, "xy");
  EXPECT_TRUE(result.file_failed);
  EXPECT_EQ(result.hits.size(), 2u);
}

}  // namespace
}  // namespace mensurio
