#include "deletehidden.h"

#include <gtest/gtest.h>

#include "catalogue.h"
#include "datafiles.h"
#include "faultplan.h"
#include "scriptedboxes.h"
#include "unitlist.h"

namespace mensurio {
namespace {

using namespace mensurio::testing;

const std::string kQuestion =
    "Sollen die ausgeblendeten Einheiten des Gebietes \"Länge\" wirklich aus der Datendatei gelöscht werden?";
const std::string kFailure =
    "Die Datei LAENGE.DAT konnte nicht geöffnet werden oder die revidierte Datei konnte nicht geschrieben "
    "werden!";

TEST(DeleteHiddenUnitsOfArea, KeepsOnlyVisibleOne) {
  struct Case {
    std::vector<int> visible;
    Names kept;
  };
  const Case cases[] = {
      {{1, 0, 1, 2, 255, 1}, {"u0", "u2", "u5"}},
      {{1, 1}, {"u0", "u1"}},
      {{0, 0, 3}, {}},
      {{}, {}},
  };
  for (const Case& c : cases) {
    TempWorkDir dir;
    std::vector<UnitRecord> records;
    for (size_t i = 0; i < c.visible.size(); ++i)
      records.push_back(Marked("u" + std::to_string(i), c.visible[i]));
    WriteBytes("LAENGE.DAT", FileBytes(records));
    ScriptedBoxes boxes;
    boxes.answers = {true};
    EXPECT_TRUE(DeleteHiddenUnitsOfArea(kLaenge, boxes));
    EXPECT_EQ(NamesIn("LAENGE.DAT"), c.kept);
    for (const UnitRecord& r : Records("LAENGE.DAT")) EXPECT_EQ(Bytes(r), Bytes(Marked(FieldText(r.name))));
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].kind, BoxKind::Confirmation);
    EXPECT_EQ(boxes.shown[0].text, kQuestion);
    EXPECT_EQ(boxes.shown[1].kind, BoxKind::Information);
    EXPECT_EQ(boxes.shown[1].text, "Die ausgeblendeten Einheiten sind gelöscht!");
  }
}

TEST(DeleteHiddenUnitsOfArea, NoLeavesTheFileAlone) {
  TempWorkDir dir;
  const std::string bytes = FileBytes({Marked("a", 0), Marked("b")});
  WriteBytes("LAENGE.DAT", bytes);
  ScriptedBoxes boxes;
  boxes.answers = {false};
  EXPECT_FALSE(DeleteHiddenUnitsOfArea(kLaenge, boxes));
  EXPECT_EQ(ReadBytes("LAENGE.DAT"), bytes);
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{kQuestion});
  EXPECT_FALSE(FileExists(kTempFile));
}

TEST(DeleteHiddenUnitsOfArea, TemperatureIsRefusedBeforeAnyQuestion) {
  TempWorkDir dir;
  const std::string bytes = FileBytes({Marked("Celsius", 0), Marked("Kelvin")});
  WriteBytes("TEMPERA.DAT", bytes);
  ScriptedBoxes boxes;
  boxes.answers = {true};
  EXPECT_FALSE(DeleteHiddenUnitsOfArea(kTemperatur, boxes));
  EXPECT_EQ(ReadBytes("TEMPERA.DAT"), bytes);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].kind, BoxKind::Information);
  EXPECT_EQ(boxes.shown[0].text, "Beim Gebiet \"Temperatur\" können keine Einheiten gelöscht werden!");
}

TEST(DeleteHiddenUnitsOfArea, QuestionNamesTheArea) {
  EXPECT_EQ(
      DeleteHiddenQuestion(kWaehrungen),
      "Sollen die ausgeblendeten Einheiten des Gebietes \"Währungen\" wirklich aus der Datendatei gelöscht "
      "werden?");
}

TEST(DeleteHiddenUnitsOfArea, AFailedRewriteStillAsksForTheReload) {
  TempWorkDir dir;
  const std::string bytes = FileBytes({Marked("a", 0), Marked("b")});
  WriteBytes("LAENGE.DAT", bytes);
  for (FileStep failing : {FileStep::Open, FileStep::Create, FileStep::Read, FileStep::Write, FileStep::Flush,
                           FileStep::Close, FileStep::Rename}) {
    ScriptedBoxes boxes;
    boxes.answers = {true};
    SetFaultHook([&](FileStep step, const std::string&) { return step == failing ? kIoDiskFull : 0; });
    EXPECT_TRUE(DeleteHiddenUnitsOfArea(kLaenge, boxes));
    SetFaultHook(nullptr);
    EXPECT_EQ(ReadBytes("LAENGE.DAT"), bytes);
    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{kQuestion, kFailure}));
  }
}

// After the rewrite the list is reloaded; its record numbers are those of
// the new file, so an in-place change addresses the right record.
TEST(DeleteHiddenUnitsOfArea, ReloadedRecordNumbersAreThoseOfTheNewFile) {
  TempWorkDir dir;
  WriteBytes("LAENGE.DAT",
             FileBytes({Marked("a", 0), Marked("b"), Marked("c", 0), Marked("d"), Marked("e")}));
  ScriptedBoxes boxes;
  boxes.answers = {true};
  ASSERT_TRUE(DeleteHiddenUnitsOfArea(kLaenge, boxes));
  UnitList units = LoadUnits("LAENGE.DAT", AllOriginsShown(), true, boxes);
  ASSERT_EQ(units.size(), 3u);
  for (int32_t i = 0; i < 3; ++i) EXPECT_EQ(units[static_cast<size_t>(i)].record_number, i);
  EXPECT_EQ(units[2].name(), "e");
}

}  // namespace
}  // namespace mensurio
