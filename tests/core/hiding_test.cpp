#include "hiding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "catalogue.h"
#include "datafiles.h"
#include "deletehidden.h"
#include "factorchange.h"
#include "faultplan.h"
#include "jump.h"
#include "scriptedboxes.h"

namespace mensurio {
namespace {

using namespace mensurio::testing;

const std::string kFile = "LAENGE.DAT";

UnitList Load(MessageBoxes& boxes) { return LoadUnits(kFile, AllOriginsShown(), true, boxes); }

std::vector<std::string> ListedNames(const UnitList& units) {
  std::vector<std::string> n;
  for (const auto& u : units) n.push_back(u.name());
  return n;
}

UnitRecord WithVisible(UnitRecord r, int visible) {
  r.visible = static_cast<uint8_t>(visible);
  return r;
}

TEST(HideUnit, ClearsTheVisibleByteOnlyAndSelectsTheLineAbove) {
  struct Case {
    size_t index;
    size_t selected;
    Names left;
  };
  const Case cases[] = {
      {0, 0, {"c", "d"}},
      {1, 0, {"a", "d"}},
      {2, 1, {"a", "c"}},
  };
  for (const Case& c : cases) {
    TempWorkDir dir;
    const std::vector<UnitRecord> records = {Marked("a"), Marked("b", 0), Marked("c"), Marked("d")};
    WriteBytes(kFile, FileBytes(records));
    ScriptedBoxes boxes;
    UnitList units = Load(boxes);
    int32_t n = units[c.index].record_number;
    EXPECT_EQ(HideUnit(kLaenge, units, c.index, boxes), c.selected);
    EXPECT_EQ(ListedNames(units), c.left);
    std::vector<UnitRecord> expected = records;
    expected[static_cast<size_t>(n)].visible = 0;
    EXPECT_EQ(ReadBytes(kFile), FileBytes(expected)) << c.index;
  }
}

TEST(HideUnit, TheOnlyUnitLeavesAnEmptyList) {
  TempWorkDir dir;
  WriteBytes(kFile, FileBytes({Marked("a", 0), Marked("b")}));
  ScriptedBoxes boxes;
  UnitList units = Load(boxes);
  EXPECT_EQ(HideUnit(kLaenge, units, 0, boxes), 0u);
  EXPECT_TRUE(units.empty());
  EXPECT_TRUE(Load(boxes).empty());
  EXPECT_TRUE(boxes.shown.empty());
}

// Hiding catches nothing: a failure up to the write reaches the caller (for
// the application-wide report) with the list as it was. A failing flush or
// close after the write leaves the unit hidden in the file: the entry goes
// and a warning says that the disk did not confirm it.
TEST(HideUnit, FailuresPropagateAndKeepTheEntry) {
  TempWorkDir dir;
  const std::vector<UnitRecord> records = {Marked("a"), Marked("b")};
  const std::string hidden = FileBytes({records[0], WithVisible(records[1], 0)});
  for (size_t k = 1; k <= 7; ++k) {
    WriteBytes(kFile, FileBytes(records));
    ScriptedBoxes boxes;
    UnitList units = Load(boxes);
    FaultPlan plan(k, kIoDiskFull);
    const bool after_write = k > 5;  // open, seek, read, seek, write, flush, close
    try {
      EXPECT_EQ(HideUnit(kLaenge, units, 1, boxes), 0u);
      EXPECT_TRUE(after_write) << "no failure at step " << k;
    } catch (const IoError& e) {
      EXPECT_FALSE(after_write) << k;
      EXPECT_EQ(e.code(), kIoDiskFull);
      EXPECT_EQ(IoErrorReport(e.code()), "Kapazität der Diskette/Festplatte erschöpft.");
    }
    EXPECT_EQ(units.size(), after_write ? 1u : 2u) << k;
    EXPECT_EQ(ReadBytes(kFile), after_write ? hidden : FileBytes(records)) << k;
    EXPECT_EQ(boxes.Texts(), after_write ? std::vector<std::string>{"Die Datei LAENGE.DAT ist gespeichert, aber das "
                                                                    "Schreiben auf den Datenträger wurde nicht best"
                                                                    "ätigt (Kapazität der Diskette/Festplatte "
                                                                    "erschöpft)."}
                                         : std::vector<std::string>{})
        << k;
  }
  SetFaultHook(nullptr);
  ScriptedBoxes boxes;
  UnitList units = Load(boxes);
  std::filesystem::remove(kFile);
  EXPECT_THROW(HideUnit(kLaenge, units, 0, boxes), IoError);
}

// Record numbers stay right through a delete (which renumbers and is
// followed by a reload), a hide and a factor change (which do not).
TEST(HideUnit, RecordNumbersAfterDeleteHideAndFactorChange) {
  TempWorkDir dir;
  std::vector<UnitRecord> records;
  for (int i = 0; i < 12; ++i)
    records.push_back(Marked("u" + std::string(1, static_cast<char>('a' + i)), i % 3 ? 1 : 0));
  WriteBytes(kFile, FileBytes(records));  // ua, ud, ug, uj hidden
  ScriptedBoxes boxes;
  boxes.answers = {true};
  ASSERT_TRUE(DeleteHiddenUnitsOfArea(kLaenge, boxes));
  UnitList units = Load(boxes);
  ASSERT_EQ(ListedNames(units), (Names{"ub", "uc", "ue", "uf", "uh", "ui", "uk", "ul"}));
  HideUnit(kLaenge, units, 2, boxes);  // ue, record 2
  size_t ui = 4;
  ASSERT_EQ(units[ui].name(), "ui");
  ASSERT_EQ(ChangeFactor(kLaenge, units[ui], "9", boxes), FactorChangeResult::Changed);
  std::vector<UnitRecord> now = Records(kFile);
  ASSERT_EQ(now.size(), 8u);
  for (size_t i = 0; i < now.size(); ++i) {
    std::string name = FieldText(now[i].name);
    EXPECT_EQ(now[i].visible, name == "ue" ? 0 : 1) << name;
    EXPECT_EQ(now[i].Factor(), name == "ui" ? 9.0L : 1.0L) << name;
  }
  EXPECT_EQ(FieldText(now[5].name), "ui");
}

TEST(ListHiddenUnits, ListsVisibleZeroInFileOrder) {
  TempWorkDir dir;
  WriteBytes(kFile, FileBytes({Marked("Elle", 0, 36), Marked("Fu\xdf", 1, 36), Marked("Klafter   ", 0, 73),
                               Marked("Meile", 2, 90), Marked("Rute", 0, 90), Marked("Zoll", 0, 4)}) +
                        "tail");
  ScriptedBoxes boxes;
  HiddenUnits hidden = ListHiddenUnits(kLaenge, boxes);
  ASSERT_EQ(hidden.lines.size(), 4u);
  struct Case {
    const char* text;
    int32_t n;
    const char* name;  // as stored, with what must stand there on re-showing
    int origin;
  };
  const Case cases[] = {{"Elle - Deutschland", 0, "Elle", 36},
                        {"Klafter - \xd6sterreich", 2, "Klafter   ", 73},
                        {"Rute - USA", 4, "Rute", 90},
                        {"Zoll - Eigene Einheit", 5, "Zoll", 4}};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(hidden.lines[i].text, cases[i].text);
    EXPECT_EQ(hidden.lines[i].object.record_number, cases[i].n);
    EXPECT_EQ(hidden.lines[i].object.name, cases[i].name);
    EXPECT_EQ(hidden.lines[i].object.origin, cases[i].origin);
  }
  EXPECT_FALSE(hidden.read_failed);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST(ListHiddenUnits, AFailureKeepsTheLinesReadSoFar) {
  TempWorkDir dir;
  WriteBytes(kFile, FileBytes({Marked("a", 0), Marked("b", 0), Marked("c", 0)}));
  ScriptedBoxes boxes;
  int reads = 0;
  SetFaultHook(
      [&](FileStep step, const std::string&) { return step == FileStep::Read && ++reads == 3 ? 5 : 0; });
  HiddenUnits hidden = ListHiddenUnits(kLaenge, boxes);
  SetFaultHook(nullptr);
  EXPECT_EQ(hidden.lines.size(), 2u);
  EXPECT_TRUE(hidden.read_failed);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].kind, BoxKind::Error);
  EXPECT_EQ(boxes.shown[0].text, "Die Datei LAENGE.DAT konnte nicht geöffnet werden!");

  std::filesystem::remove(kFile);
  hidden = ListHiddenUnits(kLaenge, boxes);
  EXPECT_TRUE(hidden.lines.empty());
  EXPECT_TRUE(hidden.read_failed);
  EXPECT_EQ(boxes.shown.size(), 2u);
}

std::vector<TDatenobject> LinesOf(const std::vector<UnitRecord>& records, const std::vector<int32_t>& numbers) {
  std::vector<TDatenobject> lines;
  for (int32_t n : numbers) {
    const UnitRecord& r = records.at(static_cast<size_t>(n));
    lines.push_back({n, FieldText(r.name), r.origin});
  }
  return lines;
}

TEST(ReshowUnits, SetsVisibleOneWithinOneOpening) {
  TempWorkDir dir;
  const std::vector<UnitRecord> records = {Marked("a", 0), Marked("b", 0), Marked("c", 0), Marked("d", 0)};
  WriteBytes(kFile, FileBytes(records));
  ScriptedBoxes boxes;
  std::vector<StepTaken> steps =
      StepsOf([&] { EXPECT_EQ(ReshowUnits(kLaenge, LinesOf(records, {1, 3}), boxes), InPlaceResult::Saved); });
  EXPECT_EQ(std::count(steps.begin(), steps.end(), StepTaken{FileStep::Open, kFile}), 1);
  EXPECT_EQ(ReadBytes(kFile),
            FileBytes({records[0], WithVisible(records[1], 1), records[2], WithVisible(records[3], 1)}));
  EXPECT_EQ(ReshowUnits(kLaenge, {}, boxes), InPlaceResult::Saved);
  EXPECT_EQ(Records(kFile)[0].visible, 0);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST(ReshowUnits, AFailureKeepsWhatWasWritten) {
  TempWorkDir dir;
  const std::vector<UnitRecord> records = {Marked("a", 0), Marked("b", 0), Marked("c", 0)};
  WriteBytes(kFile, FileBytes(records));
  ScriptedBoxes boxes;
  int writes = 0;
  SetFaultHook(
      [&](FileStep step, const std::string&) { return step == FileStep::Write && ++writes == 2 ? 5 : 0; });
  EXPECT_EQ(ReshowUnits(kLaenge, LinesOf(records, {0, 1, 2}), boxes), InPlaceResult::Failed);
  SetFaultHook(nullptr);
  EXPECT_EQ(ReadBytes(kFile), FileBytes({WithVisible(records[0], 1), records[1], records[2]}));
  EXPECT_EQ(boxes.Texts(),
            std::vector<std::string>{"Die Datei LAENGE.DAT konnte nicht geöffnet werden oder die "
                                     "revidierte Datei konnte nicht geschrieben werden!"});
}

// Every write in place first checks that the record at the remembered
// number still holds the unit (name and origin). When the file has changed
// since it was read (here: another program put a record in front, or gave
// the record another origin), nothing is written and the user is told.
TEST(InPlaceWrites, EveryOneChecksTheUnitFirst) {
  const std::vector<UnitRecord> records = {Marked("a"), Marked("b", 0), Marked("c")};
  const std::string changed = FileChangedMessage(kFile);
  const std::string since_search = FileChangedSinceSearchMessage(kFile);
  struct Case {
    const char* name;
    std::function<bool(UnitList&, MessageBoxes&)> act;  // true: it reports the file as changed
    std::vector<std::string> texts;
  };
  const Case cases[] = {
      {"hide", [](UnitList& u, MessageBoxes& b) { return !HideUnit(kLaenge, u, 1, b); }, {changed}},
      {"factor",
       [](UnitList& u, MessageBoxes& b) {
         return ChangeFactor(kLaenge, u[1], "9", b) == FactorChangeResult::FileChanged;
       },
       {changed}},
      {"re-show",
       [&](UnitList&, MessageBoxes& b) {
         return ReshowUnits(kLaenge, LinesOf(records, {1}), b) == InPlaceResult::FileChanged;
       },
       {changed}},
      {"re-show of two, the second out of place",
       [&](UnitList&, MessageBoxes& b) {
         std::vector<TDatenobject> lines = {{2, "b", 1}, {0, "a", 1}};  // shifted: b in place, a not
         return ReshowUnits(kLaenge, lines, b) == InPlaceResult::FileChanged;
       },
       {changed}},
      {"jump",
       [](UnitList&, MessageBoxes& b) {
         OriginFlags flags = AllOriginsShown();
         flags[1] = 0;  // the second question must not come
         return ConfirmJump(TSuchobjekt{"b", "", "", 0, kLaenge, 1, 1}, flags, b) == JumpAnswer::FileChanged &&
                flags[1] == 0;
       },
       {kJumpToHiddenUnitQuestion, since_search}},
  };
  for (bool other_origin : {false, true}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(::testing::Message() << c.name << (other_origin ? ", other origin" : ", shifted"));
      TempWorkDir dir;
      WriteBytes(kFile, FileBytes(records));
      ScriptedBoxes boxes;
      boxes.answers = {true, true};
      UnitList units = Load(boxes);  // a, c
      std::vector<UnitRecord> now = records;
      if (other_origin)
        for (UnitRecord& r : now) r.origin = 36;
      else
        now.insert(now.begin(), Marked("X"));
      WriteBytes(kFile, FileBytes(now));
      EXPECT_TRUE(c.act(units, boxes));
      EXPECT_EQ(ReadBytes(kFile), FileBytes(now));
      EXPECT_EQ(units.size(), 2u);
      EXPECT_EQ(boxes.Texts(), c.texts);
      EXPECT_EQ(boxes.shown.back().kind, BoxKind::Information);
    }
  }
}

}  // namespace
}  // namespace mensurio
