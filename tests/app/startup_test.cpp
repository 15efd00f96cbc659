#include "startup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "datadir.h"
#include "tempdir.h"

namespace mensurio {
namespace {

using testing::ReadBytes;
using testing::TempWorkDir;
using testing::WriteBytes;
namespace fs = std::filesystem;

void CreateAll() {
  for (const std::string& f : RequiredFiles()) WriteBytes(f, "");
}

TEST(RequiredFiles, OrderAndNames) {
  auto files = RequiredFiles();
  ASSERT_EQ(files.size(), 51u);
  EXPECT_EQ(files.front(), "ANZAHL.DAT");
  EXPECT_EQ(files[46], "ZEIT.DAT");
  EXPECT_EQ(std::vector<std::string>(files.begin() + 47, files.end()),
            (std::vector<std::string>{"MSR.HLP", "MSR.INI", "README.TXT", "G_INFO.DAT"}));
}

TEST(FirstMissingRequiredFile, NamesOnlyTheFirst) {
  struct Case { std::vector<std::string> removed; const char* reported; };
  const Case cases[] = {
      {{}, nullptr},
      {{"G_INFO.DAT"}, "G_INFO.DAT"},
      {{"ZEIT.DAT", "LAENGE.DAT"}, "LAENGE.DAT"},
      {{"MSR.INI", "README.TXT"}, "MSR.INI"},
      {{"ANZAHL.DAT", "MSR.HLP"}, "ANZAHL.DAT"},
  };
  for (const auto& c : cases) {
    TempWorkDir dir;
    CreateAll();
    for (const auto& f : c.removed) fs::remove(f);
    auto missing = FirstMissingRequiredFile();
    if (!c.reported) {
      EXPECT_FALSE(missing.has_value());
    } else {
      ASSERT_TRUE(missing.has_value());
      EXPECT_EQ(*missing, c.reported);
    }
  }
  EXPECT_EQ(MissingFileMessage("ZEIT.DAT"),
            "Die Datei \"ZEIT.DAT\" ist nicht vorhanden, daher kann der Mensurio nicht gestartet werden!");
}

TEST(FirstMissingRequiredFile, AnUnreadableFileExists) {
  TempWorkDir dir;
  CreateAll();
  fs::permissions("LAENGE.DAT", fs::perms::none);
  EXPECT_FALSE(FirstMissingRequiredFile().has_value());
}

class DataDirTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::unsetenv("MENSURIO_DIR");
    ::setenv("XDG_DATA_HOME", (dir.path() + "/xdg").c_str(), 1);
    fs::create_directories(dir.path() + "/prefix/bin");
    fs::create_directories(dir.path() + "/prefix/share/mensurio");
    pristine = dir.path() + "/prefix/share/mensurio";
    WriteBytes(pristine + "/ANZAHL.DAT", "anzahl");
    WriteBytes(pristine + "/MSR.INI", "ini");
    WriteBytes(pristine + "/.compiled", "");
  }
  void TearDown() override {
    ::unsetenv("XDG_DATA_HOME");
    ::unsetenv("MENSURIO_DIR");
  }
  TempWorkDir dir;
  std::string pristine;
};

TEST_F(DataDirTest, FirstStartFillsThePerUserDirectory) {
  EXPECT_EQ(EnterDataDirectory(dir.path() + "/prefix/bin"), "");
  EXPECT_EQ(fs::current_path(), fs::path(dir.path() + "/xdg/mensurio"));
  EXPECT_EQ(ReadBytes("ANZAHL.DAT"), "anzahl");
  EXPECT_FALSE(fs::exists(".compiled"));
}

TEST_F(DataDirTest, LaterStartsKeepTheUsersChanges) {
  fs::create_directories(dir.path() + "/xdg/mensurio");
  WriteBytes(dir.path() + "/xdg/mensurio/MSR.INI", "changed");
  EXPECT_EQ(EnterDataDirectory(dir.path() + "/prefix/bin"), "");
  EXPECT_EQ(ReadBytes("MSR.INI"), "changed");
  EXPECT_FALSE(fs::exists("ANZAHL.DAT"));  // a missing file is reported by the start-up check
}

TEST_F(DataDirTest, OwnDirectoryIsFilledOnlyWhenEmpty) {
  fs::create_directories(dir.path() + "/own");
  ::setenv("MENSURIO_DIR", (dir.path() + "/own").c_str(), 1);
  EXPECT_EQ(EnterDataDirectory(dir.path() + "/prefix/bin"), "");
  EXPECT_EQ(fs::current_path(), fs::path(dir.path() + "/own"));
  EXPECT_EQ(ReadBytes("MSR.INI"), "ini");
  fs::remove("ANZAHL.DAT");
  EXPECT_EQ(EnterDataDirectory(dir.path() + "/prefix/bin"), "");
  EXPECT_FALSE(fs::exists("ANZAHL.DAT"));
}

TEST_F(DataDirTest, BuildTreeDataIsFound) {
  fs::create_directories(dir.path() + "/build/data");
  WriteBytes(dir.path() + "/build/data/ANZAHL.DAT", "");
  WriteBytes(dir.path() + "/build/data/MSR.INI", "");
  EXPECT_EQ(PristineDataDirectory(dir.path() + "/build"), fs::weakly_canonical(dir.path() + "/build/data").string());
  EXPECT_EQ(PristineDataDirectory(dir.path() + "/nowhere"), "");
}

TEST_F(DataDirTest, MissingPristineDataIsAnError) {
  EXPECT_NE(EnterDataDirectory(dir.path() + "/nowhere"), "");
}

// Each failure says what failed: the directory not created, the files not
// copied, the shipped files not found.
TEST_F(DataDirTest, AFailedFillSaysWhatFailed) {
  WriteBytes(dir.path() + "/plain", "");
  // A directory whose files' paths are too long for the system: the
  // directory itself can be made, the copies cannot.
  std::string deep = dir.path();
  while (deep.size() < 4090) deep += "/" + std::string(std::min<size_t>(200, 4090 - deep.size()), 'd');
  struct Case { std::string data_dir; std::string program_dir; std::string message; };
  const Case cases[] = {
      {dir.path() + "/plain/sub", "/prefix/bin",
       "Das Datenverzeichnis " + dir.path() + "/plain/sub konnte nicht angelegt werden."},
      {deep, "/prefix/bin", "Die Dateien des Mensurio konnten nicht in das Datenverzeichnis " + deep + " kopiert werden."},
      {dir.path() + "/new", "/nowhere",
       "Die mitgelieferten Dateien des Mensurio wurden nicht gefunden. Das Datenverzeichnis " + dir.path() +
           "/new kann nicht gefüllt werden."},
  };
  for (const Case& c : cases) {
    ::setenv("MENSURIO_DIR", c.data_dir.c_str(), 1);
    EXPECT_EQ(EnterDataDirectory(dir.path() + c.program_dir), c.message);
  }
}

}  // namespace
}  // namespace mensurio
