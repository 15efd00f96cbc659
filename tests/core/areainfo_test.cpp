#include "areainfo.h"

#include <gtest/gtest.h>

#include "ioerror.h"
#include "tempdir.h"

namespace mensurio {
namespace {

using testing::TempWorkDir;
using testing::WriteBytes;

std::string InfoFile(int records) {
  std::string bytes(static_cast<size_t>(records) * 601, '\0');
  for (int i = 0; i < records; ++i) {
    std::string text = "Gebiet " + std::to_string(i + 1);
    bytes.replace(static_cast<size_t>(i) * 601, text.size(), text);
  }
  return bytes;
}

TEST(AreaInformation, RecordOfTheArea) {
  TempWorkDir dir;
  std::string bytes = InfoFile(47);
  std::string full(600, 'x');
  bytes.replace(46 * 601, 600, full);  // area 47 at byte 27646, zero at byte 600
  bytes[601 + 9] = 'Z';                 // behind the zero of area 2: not shown
  WriteBytes("G_INFO.DAT", bytes);
  EXPECT_EQ(ReadAreaInformation(1), "Gebiet 1");
  EXPECT_EQ(ReadAreaInformation(2), "Gebiet 2");
  EXPECT_EQ(ReadAreaInformation(47), full);
}

TEST(AreaInformation, RecordWithoutZeroIsShownWhole) {
  TempWorkDir dir;
  WriteBytes("G_INFO.DAT", std::string(601, 'y'));
  EXPECT_EQ(ReadAreaInformation(1), std::string(601, 'y'));
}

TEST(AreaInformation, ShortOrMissingFileFails) {
  TempWorkDir dir;
  WriteBytes("G_INFO.DAT", InfoFile(10) + "tail");
  EXPECT_EQ(ReadAreaInformation(10), "Gebiet 10");
  for (int area : {11, 12, 47}) {
    try {
      ReadAreaInformation(area);
      ADD_FAILURE() << area;
    } catch (const IoError& e) {
      EXPECT_EQ(e.code(), kIoReadPastEof);
    }
  }
  std::filesystem::remove("G_INFO.DAT");
  try {
    ReadAreaInformation(1);
    ADD_FAILURE();
  } catch (const IoError& e) {
    EXPECT_EQ(e.code(), kIoFileNotFound);
  }
}

}  // namespace
}  // namespace mensurio
