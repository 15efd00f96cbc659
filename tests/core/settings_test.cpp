#include "settings.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "scriptedboxes.h"
#include "tempdir.h"

namespace mensurio {
namespace {

using testing::ReadBytes;
using testing::ScriptedBoxes;
using testing::TempWorkDir;
using testing::WriteBytes;

const std::string kAllShown(91, '1');

struct ReadCase {
  const char* name;
  std::string file;
  bool warning;
  int area;
  bool alphabetical;
  bool scientific;
  std::string flags;  // 91 characters '0'/'1', the expected origin flags
};

TEST(ReadSettings, Cases) {
  std::string twoLines = std::string(45, '0') + "\r\n" + std::string(46, '0');
  std::string expectTwoLines = std::string(45, '0') + "11" + std::string(44, '0');
  std::string mixed = "0" + std::string(89, '1') + "0";
  const ReadCase cases[] = {
      {"plain", "1\r\n0\r\n0\r\n" + kAllShown, false, 1, true, true, kAllShown},
      {"inverted lines", "20\r\n1\r\n1\r\n" + mixed, false, 20, false, false, mixed},
      {"two means by origin", "5\r\n2\r\n0\r\n" + kAllShown, false, 5, false, true, kAllShown},
      {"negative means by origin", "5\r\n-1\r\n-7\r\n" + kAllShown, false, 5, false, false, kAllShown},
      {"flags on two lines", "3\r\n0\r\n0\r\n" + twoLines, false, 3, true, true, expectTwoLines},
      {"short flag line", "3\r\n0\r\n0\r\n000", false, 3, true, true, "000" + std::string(88, '1')},
      {"final line end", "47\r\n0\r\n0\r\n" + kAllShown + "\r\n", false, 47, true, true, kAllShown},
      {"unix line ends", "7\n0\n1\n" + mixed, false, 7, true, false, mixed},
      {"CR-only line ends", "7\r0\r1\r" + mixed, false, 7, true, false, mixed},
      {"CR-only, rest of line skipped", "8 x\r1 y\r0\r" + mixed, false, 8, false, true, mixed},
      {"rest of line skipped", "7 junk\r\n0 x\r\n0\r\n" + mixed, false, 7, true, true, mixed},
      {"leading blanks and tabs", "  \t9\r\n0\r\n0\r\n" + kAllShown, false, 9, true, true, kAllShown},
      {"non-numeric line 1", "Länge\r\n0\r\n0\r\n" + mixed, true, 1, true, true, kAllShown},
      {"non-numeric line 3", "4\r\n0\r\nx\r\n" + mixed, true, 1, true, true, kAllShown},
      {"empty file: area 0", "", true, 1, true, true, kAllShown},
      {"area 48", "48\r\n1\r\n1\r\n" + mixed, true, 1, true, true, kAllShown},
      {"area -1", "-1\r\n0\r\n0\r\n" + kAllShown, true, 1, true, true, kAllShown},
      {"integer overflow", "99999999999\r\n0\r\n0\r\n" + kAllShown, true, 1, true, true, kAllShown},
      {"binary garbage", std::string("\x01\x02\xff\xfe\x00\x1a", 6), true, 1, true, true, kAllShown},
  };
  for (const auto& c : cases) {
    TempWorkDir dir;
    WriteBytes("MSR.INI", c.file);
    ScriptedBoxes boxes;
    Settings s = ReadSettings(boxes);
    EXPECT_EQ(!boxes.shown.empty(), c.warning) << c.name;
    if (c.warning) {
      EXPECT_EQ(boxes.shown.at(0).kind, BoxKind::Warning);
      EXPECT_EQ(boxes.shown.at(0).text,
                "Die Datei \"MSR.INI\" wurde nicht gefunden. Der Mensurio wird mit Standardeinstellungen geöffnet");
    }
    EXPECT_EQ(s.area_index, c.area) << c.name;
    EXPECT_EQ(s.sort_alphabetical, c.alphabetical) << c.name;
    EXPECT_EQ(s.scientific_display, c.scientific) << c.name;
    std::string flags;
    for (int k = 1; k <= 91; ++k) flags += s.origin_visible[k] == 1 ? '1' : (s.origin_visible[k] == 0 ? '0' : '?');
    EXPECT_EQ(flags, c.flags) << c.name;
  }
}

TEST(ReadSettings, MissingFileGivesDefaultsAndWarning) {
  TempWorkDir dir;
  ScriptedBoxes boxes;
  Settings s = ReadSettings(boxes);
  EXPECT_EQ(s.area_index, 1);
  EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST(WriteSettings, WritesTheFourLines) {
  TempWorkDir dir;
  Settings s;
  s.area_index = 20;
  s.sort_alphabetical = false;
  s.origin_visible[90] = 0;
  s.origin_visible[5] = 7;  // anything but 1 is written as 0
  ScriptedBoxes boxes;
  EXPECT_TRUE(WriteSettings(s, boxes));
  std::string flags = kAllShown;
  flags[89] = '0';
  flags[4] = '0';
  EXPECT_EQ(ReadBytes("MSR.INI"), "20\r\n1\r\n0\r\n" + flags);
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_FALSE(std::filesystem::exists("MSR.INI.NEU"));
}

TEST(WriteSettings, UnchangedRunRewritesTheSameContentLessTheFinalLineEnd) {
  TempWorkDir dir;
  std::string original = "12\r\n1\r\n0\r\n" + std::string(40, '0') + std::string(51, '1') + "\r\n";
  WriteBytes("MSR.INI", original);
  ScriptedBoxes boxes;
  Settings s = ReadSettings(boxes);
  WriteSettings(s, boxes);
  EXPECT_EQ(ReadBytes("MSR.INI"), original.substr(0, original.size() - 2));
}

TEST(WriteSettings, UnwritableDirectoryWarnsAndKeepsTheOldFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write anywhere";
  TempWorkDir dir;
  WriteBytes("MSR.INI", "old");
  ::chmod(dir.path().c_str(), 0555);
  ScriptedBoxes boxes;
  EXPECT_FALSE(WriteSettings(Settings{}, boxes));
  ::chmod(dir.path().c_str(), 0755);
  EXPECT_EQ(ReadBytes("MSR.INI"), "old");
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text,
            "Die Datei \"MSR.INI\" konnte nicht geschrieben werden. Die aktuellen Einstellungen können deshalb "
            "nicht gespeichert werden.");
}

TEST(WriteSettings, FailedWriteKeepsTheOldFileWhole) {
  TempWorkDir dir;
  WriteBytes("MSR.INI", "old");
  std::filesystem::create_directory("MSR.INI.NEU");  // the temporary file cannot be made
  ScriptedBoxes boxes;
  EXPECT_FALSE(WriteSettings(Settings{}, boxes));
  EXPECT_EQ(ReadBytes("MSR.INI"), "old");
  EXPECT_EQ(boxes.shown.size(), 1u);
}

}  // namespace
}  // namespace mensurio

namespace mensurio {
namespace {

// World time with summer time: a fifth line "1"; the 91 flags read as before.
TEST(Settings, SummerTimeInAFifthLine) {
  const std::string kAll(91, '1');
  const std::string head = "44\r\n0\r\n0\r\n";
  struct Case { const char* name; std::string file; bool summer_time; std::string flags; };
  const Case cases[] = {
      {"four lines", head + kAll, false, kAll},
      {"fifth line 1", head + kAll + "\r\n1", true, kAll},
      {"fifth line 1, unix", head + kAll + "\n1\n", true, kAll},
      {"fifth line 0", head + kAll + "\r\n0", false, kAll},
      {"fifth line 2", head + kAll + "\r\n2", false, kAll},
      {"fifth line not a number", head + kAll + "\r\nja", false, kAll},
      {"flags on two lines, then the fifth", head + std::string(45, '1') + "\r\n" + std::string(46, '1') + "\r\n1", true,
       std::string(45, '1') + "\r\n" + std::string(44, '1')},
      {"short flag line", head + "0\r\n1", false, "0??1" + std::string(87, '1')},
  };
  for (const Case& c : cases) {
    Settings s;
    ASSERT_TRUE(ParseSettings(c.file, s)) << c.name;
    EXPECT_EQ(s.summer_time, c.summer_time) << c.name;
    std::string flags;
    for (int k = 1; k <= 91; ++k) flags += s.origin_visible[k] == 1 ? '1' : '0';
    std::string expected = c.flags;
    for (char& ch : expected) ch = ch == '0' ? '0' : '1';
    EXPECT_EQ(flags, expected) << c.name;
  }
  Settings on;
  on.summer_time = true;
  EXPECT_EQ(FormatSettings(on), "1\r\n0\r\n0\r\n" + kAll + "\r\n1");
  EXPECT_EQ(FormatSettings(Settings{}), "1\r\n0\r\n0\r\n" + kAll);
  Settings back;
  ASSERT_TRUE(ParseSettings(FormatSettings(on), back));
  EXPECT_TRUE(back.summer_time);
}

}  // namespace
}  // namespace mensurio
