#include "recordfile.h"

#include <gtest/gtest.h>

#include "ioerror.h"
#include "records.h"
#include "tempdir.h"

namespace mensurio {
namespace {

using testing::FileBytes;
using testing::MakeRecord;
using testing::ReadBytes;
using testing::TempWorkDir;
using testing::WriteBytes;

TEST(IoErrorText, Messages) {
  struct Case { int code; const char* text; };
  const Case cases[] = {
      {2, "Datei nicht gefunden"}, {3, "Ungültiger Dateiname"}, {4, "Zu viele Dateien geöffnet"},
      {5, "Dateizugriff verweigert"}, {100, "Lesen nach Dateiende (EOF)"},
      {101, "Kapazität der Diskette/Festplatte erschöpft"}, {106, "Ungültige numerische Eingabe"},
      {103, "I/O-Fehler 103"}, {32, "I/O-Fehler 32"},
  };
  for (const auto& c : cases) EXPECT_EQ(IoErrorText(c.code), c.text);
  EXPECT_EQ(IoErrorReport(2), "Datei nicht gefunden.");
}

TEST(RecordFile, CountIgnoresATrailingPartialRecord) {
  TempWorkDir dir;
  WriteBytes("A.DAT", FileBytes({MakeRecord("a", 1, 1), MakeRecord("b", 1, 2)}) + std::string(100, 'x'));
  RecordFile f = RecordFile::Open("A.DAT", kRecordSize, false);
  EXPECT_EQ(f.Count(), 2);
  WriteBytes("EMPTY.DAT", "");
  EXPECT_EQ(RecordFile::Open("EMPTY.DAT", kRecordSize, false).Count(), 0);
}

TEST(RecordFile, SeekReadAndWriteInPlace) {
  TempWorkDir dir;
  WriteBytes("A.DAT", FileBytes({MakeRecord("a", 1, 1), MakeRecord("b", 2, 2), MakeRecord("c", 3, 3)}));
  {
    RecordFile f = RecordFile::Open("A.DAT", kRecordSize, true);
    UnitRecord r;
    f.Seek(1);
    f.Read(&r);
    EXPECT_EQ(FieldText(r.name), "b");
    r.visible = 0;
    f.Seek(1);
    f.Write(&r);
    f.Close();
  }
  std::string bytes = ReadBytes("A.DAT");
  ASSERT_EQ(bytes.size(), 3u * kRecordSize);
  EXPECT_EQ(bytes[kRecordSize], 0);
  EXPECT_EQ(bytes.substr(0, kRecordSize), FileBytes({MakeRecord("a", 1, 1)}));
}

// A file longer than a read block: every record comes back in place, after
// jumps back and forth and after writes in place.
TEST(RecordFile, ReadsAcrossBlocksSeeksAndOwnWrites) {
  TempWorkDir dir;
  std::vector<UnitRecord> records;
  for (int n = 0; n < 300; ++n) records.push_back(MakeRecord("u" + std::to_string(n), 1, n + 1));
  WriteBytes("A.DAT", FileBytes(records) + std::string(100, 'x'));
  RecordFile f = RecordFile::Open("A.DAT", kRecordSize, true);
  UnitRecord r;
  for (int n = 0; n < 300; ++n) {
    f.Read(&r);
    ASSERT_EQ(FieldText(r.name), "u" + std::to_string(n));
  }
  EXPECT_THROW(f.Read(&r), IoError) << "the trailing partial record is no record";
  struct Case { int seek; const char* expected; };
  const Case jumps[] = {{299, "u299"}, {0, "u0"}, {128, "u128"}, {127, "u127"}, {255, "u255"}, {256, "u256"}};
  for (const Case& c : jumps) {
    f.Seek(c.seek);
    f.Read(&r);
    EXPECT_EQ(FieldText(r.name), c.expected) << c.seek;
  }
  // A record written in place is read back as written, inside and outside
  // the block read before.
  for (int n : {6, 130}) {
    f.Seek(5);
    f.Read(&r);
    r = MakeRecord("neu", 2, 7);
    f.Seek(n);
    f.Write(&r);
    f.Seek(n);
    f.Read(&r);
    EXPECT_EQ(FieldText(r.name), "neu") << n;
  }
  f.Seek(300);
  EXPECT_THROW(f.Read(&r), IoError);
}

TEST(RecordFile, FailuresCarryTheirCodes) {
  TempWorkDir dir;
  try {
    RecordFile::Open("MISSING.DAT", kRecordSize, false);
    FAIL();
  } catch (const IoError& e) {
    EXPECT_EQ(e.code(), kIoFileNotFound);
  }
  WriteBytes("A.DAT", FileBytes({MakeRecord("a", 1, 1)}));
  RecordFile f = RecordFile::Open("A.DAT", kRecordSize, false);
  UnitRecord r;
  f.Read(&r);
  EXPECT_TRUE(f.AtEnd());
  try {
    f.Read(&r);
    FAIL();
  } catch (const IoError& e) {
    EXPECT_EQ(e.code(), kIoReadPastEof);
  }
}

TEST(RecordFile, FaultHookFailsTheNamedStep) {
  TempWorkDir dir;
  WriteBytes("A.DAT", FileBytes({MakeRecord("a", 1, 1)}));
  SetFaultHook([](FileStep step, const std::string&) { return step == FileStep::Read ? 5 : 0; });
  RecordFile f = RecordFile::Open("A.DAT", kRecordSize, false);
  UnitRecord r;
  EXPECT_THROW(f.Read(&r), IoError);
  SetFaultHook(nullptr);
  f.Seek(0);
  EXPECT_NO_THROW(f.Read(&r));
}

TEST(RecordFile, RenameReplacesTheTarget) {
  TempWorkDir dir;
  WriteBytes("TEMP.DAT", "new");
  WriteBytes("A.DAT", "old");
  RenameFile("TEMP.DAT", "A.DAT");
  EXPECT_EQ(ReadBytes("A.DAT"), "new");
  EXPECT_FALSE(FileExists("TEMP.DAT"));
}

}  // namespace
}  // namespace mensurio
