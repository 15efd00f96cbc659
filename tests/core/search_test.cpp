#include "search.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "catalogue.h"
#include "datafiles.h"
#include "faultplan.h"
#include "jump.h"
#include "scriptedboxes.h"

namespace mensurio {
namespace {

using namespace mensurio::testing;

constexpr int kMasse = 29;

UnitRecord Unit(const std::string& name, const std::string& symbol, const std::string& other, int origin,
                int visible = 1) {
  UnitRecord r = Marked(name, visible, origin);
  SetFieldText(r.symbol, symbol);
  SetFieldText(r.other_name, other);
  return r;
}

// All 47 area files, empty but for the ones given.
void WriteAreas(const std::map<int, std::vector<UnitRecord>>& areas) {
  for (int a = 1; a <= kAreaCount; ++a) {
    auto it = areas.find(a);
    WriteBytes(AreaCatalogue(a).file, it == areas.end() ? "" : FileBytes(it->second));
  }
}

class SearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteAreas({
        {1, {Unit("Dutzend", "Dtz", "", 1)}},
        {kLaenge,
         {
             Unit("Fu\xdf", "ft", "Schuh", 36),
             Unit("Klafter", " kl", "", 36),
             Unit("Meile", "mi  ", "Landmeile", 36),
             Unit("Rute", "", "Ruthe", 36, 0),
             Unit("Seemeile ", "sm", "", 1),
             Unit("Zoll", "IN", "", 90),
             Unit("\xd6lma\xdf", "\xe4", "", 36),
         }},
        {kMasse, {Unit("Schiffspfund", "SCHPF", "Meilenpfund", 39), Unit("Zentner", "ztr", "", 36)}},
    });
  }

  std::vector<std::string> Search(SearchMode mode, const std::string& text) {
    SearchResult r = SearchUnits(mode, text);
    EXPECT_FALSE(r.file_failed);
    EXPECT_EQ(r.hits.size(), r.lines.size());
    return r.lines;
  }

  TempWorkDir dir;
};

using Lines = std::vector<std::string>;

TEST_F(SearchTest, ByName) {
  struct Case {
    const char* text;
    Lines lines;
  };
  const Case cases[] = {
      // in name and other name: one hit, showing the name; then the other name of a later area
      {"meile",
       {"Meile - Deutschland", "Seemeile - SI-Einheit",
        "Meilenpfund - Deutschland - Preu\xdf"
        "en"}},
      {"MEIL",
       {"Meile - Deutschland", "Seemeile - SI-Einheit",
        "Meilenpfund - Deutschland - Preu\xdf"
        "en"}},
      {"schuh", {"Schuh - Deutschland"}},
      {"rute", {"Rute - Deutschland"}},  // hidden
      {"ruthe", {"Ruthe - Deutschland"}},
      {"zoll", {"Zoll - USA"}},
      {"\xd6lma\xdf", {"\xd6lma\xdf - Deutschland"}},
      {"LMA", {"\xd6lma\xdf - Deutschland"}},
      {"\xf6lma\xdf", {}},  // umlauts keep their case
      {"\xd6LMASS", {}},
      {"", {}},
      {"dutzend!", {}},
      {"schiffspfund und mehr", {}},
      {"e ", {"Seemeile - SI-Einheit"}},  // the stored trailing blank takes part
  };
  for (const Case& c : cases) EXPECT_EQ(Search(SearchMode::Name, c.text), c.lines) << c.text;
}

TEST_F(SearchTest, BySymbol) {
  struct Case {
    const char* text;
    Lines lines;
  };
  const Case cases[] = {
      {"mi", {"mi - Meile - Deutschland"}},
      {"MI", {"mi - Meile - Deutschland"}},
      {"m", {}},  // a beginning is not enough
      {"mi ", {}},
      {"in", {"IN - Zoll - USA"}},
      {"sm", {"sm - Seemeile - SI-Einheit"}},
      {"kl", {}},  // leading blanks count
      {" kl", {" kl - Klafter - Deutschland"}},
      {"schpf",
       {"SCHPF - Schiffspfund - Deutschland - Preu\xdf"
        "en"}},
      {"\xc4", {}},
      {"\xe4", {"\xe4 - \xd6lma\xdf - Deutschland"}},
      {"", {" - Rute - Deutschland"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Search(SearchMode::Symbol, c.text), c.lines) << '"' << c.text << '"';
}

TEST_F(SearchTest, HitsDescribeTheirRecords) {
  SearchResult r = SearchUnits(SearchMode::Name, "meile");
  ASSERT_EQ(r.hits.size(), 3u);
  const TSuchobjekt& meile = r.hits[0];
  EXPECT_EQ(meile.name, "Meile");
  EXPECT_EQ(meile.symbol, "mi  ");  // as stored in a name search
  EXPECT_EQ(meile.other_name, "Landmeile");
  EXPECT_EQ(meile.visible, 1);
  EXPECT_EQ(meile.area_index, kLaenge);
  EXPECT_EQ(meile.origin, 36);
  EXPECT_EQ(meile.record_number, 2);
  EXPECT_EQ(r.hits[1].name, "Seemeile ");
  EXPECT_EQ(r.hits[2].area_index, kMasse);
  EXPECT_EQ(r.hits[2].record_number, 0);

  r = SearchUnits(SearchMode::Symbol, "MI");
  ASSERT_EQ(r.hits.size(), 1u);
  EXPECT_EQ(r.hits[0].symbol, "mi");

  r = SearchUnits(SearchMode::Name, "rute");
  ASSERT_EQ(r.hits.size(), 1u);
  EXPECT_EQ(r.hits[0].visible, 0);
  EXPECT_EQ(r.hits[0].record_number, 3);
}

TEST_F(SearchTest, LinesAreCutTo83) {
  UnitRecord r = Marked("", 1, 2);
  std::memset(r.symbol, 's', sizeof r.symbol);  // no terminating zero: the whole field
  std::memset(r.name, 'n', sizeof r.name);
  WriteBytes(AreaCatalogue(5).file, FileBytes({r}));
  Lines lines = Search(SearchMode::Symbol, std::string(21, 'S'));
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], std::string(21, 's') + " - " + std::string(35, 'n') + " - Internationale Einhei");
  EXPECT_EQ(lines[0].size(), kSearchLineLength);
}

TEST_F(SearchTest, AMissingFileStopsTheSearchKeepingEarlierHits) {
  std::filesystem::remove(AreaCatalogue(25).file);
  for (SearchMode mode : {SearchMode::Name, SearchMode::Symbol}) {
    SearchResult r = SearchUnits(mode, mode == SearchMode::Name ? "z" : "ztr");
    EXPECT_TRUE(r.file_failed);
    std::vector<int> areas;
    for (const TSuchobjekt& h : r.hits) areas.push_back(h.area_index);
    EXPECT_EQ(areas, (mode == SearchMode::Name ? std::vector<int>{1, kLaenge} : std::vector<int>{}));
  }
}

TEST_F(SearchTest, AReadFailureStopsTheSearchToo) {
  SetFaultHook([](FileStep step, const std::string& name) {
    return step == FileStep::Read && name == AreaCatalogue(kMasse).file ? kIoReadPastEof : 0;
  });
  SearchResult r = SearchUnits(SearchMode::Name, "meile");
  SetFaultHook(nullptr);
  EXPECT_TRUE(r.file_failed);
  EXPECT_EQ(r.lines, (Lines{"Meile - Deutschland", "Seemeile - SI-Einheit"}));
  EXPECT_STREQ(
      kSearchFileMissingMessage,
      "Eine Datendatei konnte nicht gefunden werden. Bitte prüfen Sie, ob alle Datendateien vorhanden "
      "sind.");
}

TEST_F(SearchTest, OneFileOpenAtATime) {
  std::vector<StepTaken> steps = StepsOf([] { SearchUnits(SearchMode::Name, "x"); });
  int open = 0, opened = 0;
  for (const StepTaken& s : steps) {
    if (s.step == FileStep::Open) {
      EXPECT_EQ(open, 0) << s.name;
      open = 1;
      ++opened;
    }
    if (s.step == FileStep::Close) open = 0;
  }
  EXPECT_EQ(opened, kAreaCount);
  EXPECT_EQ(open, 0);
}

// The jump: questions, the re-show in the hit's own file, the origin flag.
class JumpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteBytes("LAENGE.DAT", FileBytes(records));
    WriteBytes("MASSE.DAT", FileBytes(records));
    flags[36] = 0;
  }

  // The hit of record 1 ("b"), which gets the hit's origin in both files.
  TSuchobjekt Hit(int visible, int origin, int area = kLaenge) {
    records[1].origin = static_cast<uint8_t>(origin);
    SetUp();
    return TSuchobjekt{"b", "", "", static_cast<uint8_t>(visible), area, origin, 1};
  }

  std::string Reshown() const {
    std::vector<UnitRecord> r = records;
    r[1].visible = 1;
    return FileBytes(r);
  }

  TempWorkDir dir;
  std::vector<UnitRecord> records = {Marked("a", 0, 36), Marked("b", 0, 36), Marked("c", 0, 36)};
  OriginFlags flags = AllOriginsShown();
  ScriptedBoxes boxes;
};

TEST_F(JumpTest, Answers) {
  const std::string unit = kJumpToHiddenUnitQuestion, country = kJumpToHiddenOriginQuestion;
  struct Case {
    int visible, origin;
    std::deque<bool> answers;
    bool jump;
    std::vector<std::string> asked;
    bool reshown, country_on;
  };
  const Case cases[] = {
      {1, 1, {}, true, {}, false, false},
      {0, 1, {true}, true, {unit}, true, false},
      {0, 1, {false}, false, {unit}, false, false},
      {1, 36, {true}, true, {country}, false, true},
      {1, 36, {false}, false, {country}, false, false},
      {0, 36, {true, true}, true, {unit, country}, true, true},
      {0, 36, {true, false}, false, {unit, country}, true, false},
      {0, 36, {false, true}, false, {unit, country}, false, true},
      {0, 36, {false, false}, false, {unit, country}, false, false},
      {2, 0, {}, true, {}, false, false},  // only 0 asks; no flag for origin 0
  };
  for (const Case& c : cases) {
    SetUp();
    boxes = ScriptedBoxes();
    boxes.answers = c.answers;
    EXPECT_EQ(ConfirmJump(Hit(c.visible, c.origin), flags, boxes), c.jump ? JumpAnswer::Go : JumpAnswer::Stay);
    EXPECT_EQ(boxes.Texts(), c.asked);
    for (const auto& b : boxes.shown) EXPECT_EQ(b.kind, BoxKind::Confirmation);
    EXPECT_EQ(ReadBytes("LAENGE.DAT"), c.reshown ? Reshown() : FileBytes(records));
    EXPECT_EQ(flags[36], c.country_on ? 1 : 0);
  }
}

TEST_F(JumpTest, ReshowsInTheHitsOwnArea) {
  boxes.answers = {true};
  EXPECT_EQ(ConfirmJump(Hit(0, 1, kMasse), flags, boxes), JumpAnswer::Go);
  EXPECT_EQ(ReadBytes("MASSE.DAT"), Reshown());
  EXPECT_EQ(ReadBytes("LAENGE.DAT"), FileBytes(records));
}

TEST_F(JumpTest, AFailedReshowPropagatesBeforeTheSecondQuestion) {
  TSuchobjekt hit = Hit(0, 36, kMasse);
  std::filesystem::remove("MASSE.DAT");
  boxes.answers = {true, true};
  EXPECT_THROW(ConfirmJump(hit, flags, boxes), IoError);
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{kJumpToHiddenUnitQuestion});
  EXPECT_EQ(flags[36], 0);
}

TEST(FindJumpTarget, FirstEntryWithTheSameNameBytesAndOrigin) {
  UnitList units;
  for (auto [name, origin] : std::vector<std::pair<std::string, int>>{
           {"meile", 36}, {"Meile ", 36}, {"Meile", 90}, {"Meile", 36}, {"Meile", 36}})
    units.push_back(TAusgabetextobject{Marked(name, 1, origin), 0, {}, {}});
  struct Case {
    const char* name;
    int origin;
    std::optional<size_t> index;
  };
  const Case cases[] = {
      {"Meile", 36, 3}, {"Meile ", 36, 1},          {"meile", 36, 0},
      {"Meile", 90, 2}, {"Meile", 1, std::nullopt}, {"MEILE", 36, std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FindJumpTarget(units, TSuchobjekt{c.name, "", "", 1, kLaenge, c.origin, 0}), c.index) << c.name;
}

}  // namespace
}  // namespace mensurio
