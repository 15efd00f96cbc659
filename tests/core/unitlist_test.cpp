#include "unitlist.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "recordfile.h"
#include "records.h"
#include "scriptedboxes.h"
#include "tempdir.h"

namespace mensurio {
namespace {

using testing::FileBytes;
using testing::MakeRecord;
using testing::ScriptedBoxes;
using testing::TempWorkDir;
using testing::WriteBytes;

std::vector<std::string> Names(const UnitList& units) {
  std::vector<std::string> n;
  for (const auto& u : units) n.push_back(u.name());
  return n;
}

TEST(LoadUnits, KeepsOnlyShownRecordsOfShownOrigins) {
  TempWorkDir dir;
  WriteBytes("A.DAT", FileBytes({
                          MakeRecord("a", 1, 1),
                          MakeRecord("b hidden", 1, 1, 0),
                          MakeRecord("c visible 2", 1, 1, 2),
                          MakeRecord("d origin 0", 0, 1),
                          MakeRecord("e origin 92", 92, 1),
                          MakeRecord("f origin 200", 200, 1),
                          MakeRecord("g USA", 90, 1),
                          MakeRecord("h own", 4, 1),
                          MakeRecord("i unassigned 10", 10, 1),
                      }));
  ScriptedBoxes boxes;
  OriginFlags shown = AllOriginsShown();
  shown[90] = 0;
  UnitList units = LoadUnits("A.DAT", shown, true, boxes);
  EXPECT_EQ(Names(units), (std::vector<std::string>{"a", "h own", "i unassigned 10"}));
  EXPECT_EQ(units[1].record_number, 7);
  EXPECT_TRUE(units[1].scientific_text.empty());
  EXPECT_TRUE(boxes.shown.empty());
  shown[90] = 2;  // only 1 counts as shown
  EXPECT_EQ(LoadUnits("A.DAT", shown, true, boxes).size(), 3u);
}

TEST(LoadUnits, EveryOriginOffGivesAnEmptyList) {
  TempWorkDir dir;
  WriteBytes("A.DAT", FileBytes({MakeRecord("a", 1, 1), MakeRecord("b", 4, 1)}));
  ScriptedBoxes boxes;
  OriginFlags none{};
  EXPECT_TRUE(LoadUnits("A.DAT", none, true, boxes).empty());
  none[4] = 1;
  EXPECT_EQ(Names(LoadUnits("A.DAT", none, true, boxes)), (std::vector<std::string>{"b"}));
}

TEST(LoadUnits, MissingFileIsReported) {
  TempWorkDir dir;
  ScriptedBoxes boxes;
  EXPECT_TRUE(LoadUnits("LAENGE.DAT", AllOriginsShown(), true, boxes).empty());
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].kind, BoxKind::Error);
  EXPECT_EQ(boxes.shown[0].text, "Die Datei LAENGE.DAT konnte nicht geöffnet werden!");
}

TEST(LoadUnits, UnreadableFileIsReported) {
  TempWorkDir dir;
  WriteBytes("A.DAT", FileBytes({MakeRecord("a", 1, 1)}));
  ::chmod("A.DAT", 0);
  ScriptedBoxes boxes;
  bool root = ::geteuid() == 0;
  UnitList units = LoadUnits("A.DAT", AllOriginsShown(), true, boxes);
  if (!root) {
    EXPECT_TRUE(units.empty());
    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{"Die Datei A.DAT konnte nicht geöffnet werden!"}));
  }
}

TEST(LoadUnits, ReadFailureKeepsWhatWasRead) {
  TempWorkDir dir;
  WriteBytes("A.DAT", FileBytes({MakeRecord("a", 1, 1), MakeRecord("b", 1, 1), MakeRecord("c", 1, 1)}));
  int reads = 0;
  SetFaultHook([&](FileStep step, const std::string&) { return step == FileStep::Read && ++reads == 3 ? 100 : 0; });
  ScriptedBoxes boxes;
  UnitList units = LoadUnits("A.DAT", AllOriginsShown(), true, boxes);
  SetFaultHook(nullptr);
  EXPECT_EQ(Names(units), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST(LoadUnits, TruncatedFileLoadsTheWholeRecords) {
  TempWorkDir dir;
  std::string bytes = FileBytes({MakeRecord("a", 1, 1), MakeRecord("b", 1, 1)});
  WriteBytes("A.DAT", bytes.substr(0, bytes.size() - 10));
  ScriptedBoxes boxes;
  EXPECT_EQ(Names(LoadUnits("A.DAT", AllOriginsShown(), true, boxes)), (std::vector<std::string>{"a"}));
  EXPECT_TRUE(boxes.shown.empty());
}

TEST(SortUnitsByOrigin, GroupsStably) {
  TempWorkDir dir;
  WriteBytes("A.DAT", FileBytes({MakeRecord("Achtel", 90, 1), MakeRecord("Bar", 1, 1), MakeRecord("Cent", 36, 1),
                                 MakeRecord("Dram", 90, 1), MakeRecord("Elle", 1, 1), MakeRecord("Faden", 4, 1)}));
  ScriptedBoxes boxes;
  UnitList grouped = LoadUnits("A.DAT", AllOriginsShown(), false, boxes);
  EXPECT_EQ(Names(grouped), (std::vector<std::string>{"Bar", "Elle", "Faden", "Cent", "Achtel", "Dram"}));
  EXPECT_EQ(grouped[0].record_number, 1);
  SortUnitsByOrigin(grouped);  // grouping again changes nothing
  EXPECT_EQ(Names(grouped), (std::vector<std::string>{"Bar", "Elle", "Faden", "Cent", "Achtel", "Dram"}));
}

TEST(UnitRecordFields, TextAtFullWidth) {
  UnitRecord r = BlankRecord();
  SetFieldText(r.symbol, std::string(20, 's'));
  SetFieldText(r.name, std::string(34, 'n'));
  EXPECT_EQ(FieldText(r.symbol), std::string(20, 's'));
  EXPECT_EQ(FieldText(r.name), std::string(34, 'n'));
  EXPECT_EQ(r.name[34], '\0');
  EXPECT_EQ(std::string(r.spare_text_1), std::string(40, ' '));
  EXPECT_EQ(r.spare_text_3[15], '\0');
  EXPECT_EQ(r.spare_byte_2, 0);
}

}  // namespace
}  // namespace mensurio
