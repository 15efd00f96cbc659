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
