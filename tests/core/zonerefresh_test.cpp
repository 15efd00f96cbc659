#include "zonerefresh.h"

#include <gtest/gtest.h>

#include <optional>

#include "datafiles.h"
#include "faultplan.h"
#include "maintenance.h"
#include "scriptedboxes.h"
#include "text.h"
#include "tzifwriter.h"
#include "worldtime.h"

namespace mensurio {
namespace {

using namespace mensurio::testing;

constexpr const char* kFile = "WELTZEIT.DAT";
constexpr const char* kStand = "tzdata 2099z";

UnitRecord Place(const std::string& name, long double hours, const std::string& summer, const std::string& zone) {
  UnitRecord r = Marked(name, 1, 2, hours);
  SetFieldOrBlanks(r.validity, *Utf8ToCp1252(summer));
  SetFieldOrBlanks(r.spare_text_1, zone);
  SetFieldOrBlanks(r.spare_text_2, "tzdata 2026f");
  return r;
}

// A world-time file against a database of its own: one place each that
// stays, gives up summer time with a new offset, takes it up, changes its
// months, has no summer time, lacks its zone, and has none (an own place).
class RefreshTimeZonesTest : public ::testing::Test {
 protected:
  RefreshTimeZonesTest() : zones_(work_.path() + "/zones") {
    const std::string dir = work_.path() + "/zones";
    WriteRuleZone(dir, "Europe/Berlin", "CET-1CEST,M3.5.0,M10.5.0/3");
    // Summer time in 2024, then from March 2025 on -7 all year.
    WriteZone(dir, "America/Vancouver",
              TzifBytes({{Utc(2024, 3, 10, 10), 1}, {Utc(2024, 11, 3, 9), 0}, {Utc(2025, 3, 9, 10), 1}},
                        {-28800, -25200}, "<-07>7"));
    WriteRuleZone(dir, "America/Nuuk", "<-02>2<-01>,M3.5.0/-1,M10.5.0/0");
    WriteRuleZone(dir, "Australia/Sydney", "AEST-10AEDT,M10.1.0,M4.1.0/3");
    WriteRuleZone(dir, "Asia/Kathmandu", "<+0545>-5:45");
    places_ = {Place("Berlin", 1, "Ende März bis Ende Okt.", "Europe/Berlin"),
               Place("Vancouver", -8, "2. So. März bis 1. So. Nov.", "America/Vancouver"),
               Place("Nuuk", -3, "", "America/Nuuk"),
               Place("Sydney", 10, "Ende Sep. bis Anfang Apr.", "Australia/Sydney"),
               Place("Kathmandu", 5.75L, "", "Asia/Kathmandu"),
               Place("Nirgendwo", 3, "", "Test/Nowhere"),
               Marked("Eigener Ort", 1, 4, 2.5L)};
    WriteBytes(kFile, FileBytes(places_));
  }

  static int64_t Utc(int y, int mo, int d, int h) { return DaysFromCivil({y, mo, d}) * 86400 + h * 3600; }

  TempWorkDir work_;
  ZoneCache zones_;
  std::vector<UnitRecord> places_;
};

TEST_F(RefreshTimeZonesTest, SetsOffsetsAndSummerTimesInOneRewrite) {
  ScriptedBoxes boxes;
  ZoneRefresh r = RefreshTimeZones(kFile, zones_, {2026, 12, 8}, kStand, boxes);
  EXPECT_FALSE(r.failed);
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_EQ(r.changes, (std::vector<std::string>{
                           "Vancouver: -8:00 \u2192 -7:00, keine Sommerzeit mehr",
                           "Nuuk: -3:00 \u2192 -2:00, Sommerzeit Ende März bis Ende Okt.",
                           "Sydney: Sommerzeit jetzt Anfang Okt. bis Anfang Apr.",
                       }));
  EXPECT_EQ(r.unknown, (std::vector<std::string>{"Nirgendwo (Test/Nowhere)"}));
  EXPECT_FALSE(FileExists(kTempFile));

  // Every byte as before but the refreshed fields.
  struct Expected { std::optional<long double> new_hours; const char* summer; bool refreshed; };
  const Expected expected[] = {
      {{}, "Ende März bis Ende Okt.", true},     {-7, "", true},   {-2, "Ende März bis Ende Okt.", true},
      {{}, "Anfang Okt. bis Anfang Apr.", true}, {{}, "", true},   {{}, "", false},
      {{}, nullptr, false},
  };
  std::vector<UnitRecord> after = Records(kFile);
  ASSERT_EQ(after.size(), places_.size());
  for (size_t i = 0; i < after.size(); ++i) {
    UnitRecord want = places_[i];
    if (expected[i].refreshed) {
      if (expected[i].new_hours) want.SetFactor(*expected[i].new_hours * 60 * kHoursPerMinute);
      SetFieldOrBlanks(want.validity, *Utf8ToCp1252(expected[i].summer));
      SetFieldOrBlanks(want.spare_text_2, kStand);
    }
    EXPECT_EQ(Bytes(after[i]), Bytes(want)) << FieldText(places_[i].name);
  }
  EXPECT_EQ(ZoneStandOf(after[0]), kStand);

  // A second run finds nothing to change and writes nothing.
  const std::string refreshed = ReadBytes(kFile);
  std::vector<StepTaken> steps = StepsOf([&] {
    ZoneRefresh again = RefreshTimeZones(kFile, zones_, {2026, 12, 8}, "tzdata 2100a", boxes);
    EXPECT_TRUE(again.changes.empty());
    EXPECT_FALSE(again.failed);
  });
  for (const StepTaken& s : steps) EXPECT_TRUE(s.step != FileStep::Create && s.step != FileStep::Write);
  EXPECT_EQ(ReadBytes(kFile), refreshed);
}

TEST_F(RefreshTimeZonesTest, TheDayDecides) {
  // From January 2024 Vancouver still had -8:00 and summer time; from
  // January 2025, the year it stayed in summer time, no summer-time text
  // can be told; from December 2025 its clock is -7:00 all year.
  ScriptedBoxes boxes;
  ZoneRefresh r = RefreshTimeZones(kFile, zones_, {2024, 1, 1}, kStand, boxes);
  ASSERT_EQ(r.changes.size(), 2u);
  EXPECT_EQ(r.changes[0].rfind("Nuuk:", 0), 0u);
  EXPECT_EQ(Records(kFile)[1].Factor(), -8.0L);
  WriteBytes(kFile, FileBytes(places_));
  r = RefreshTimeZones(kFile, zones_, {2025, 1, 1}, kStand, boxes);
  ASSERT_EQ(r.changes.size(), 2u);
  EXPECT_EQ(Records(kFile)[1].Factor(), -8.0L);
  EXPECT_EQ(Bytes(Records(kFile)[1]).substr(98, 33), Bytes(places_[1]).substr(98, 33)) << "validity kept";
  WriteBytes(kFile, FileBytes(places_));
  r = RefreshTimeZones(kFile, zones_, {2025, 12, 1}, kStand, boxes);
  ASSERT_EQ(r.changes.size(), 3u);
  EXPECT_EQ(r.changes[0], "Vancouver: -8:00 \u2192 -7:00, keine Sommerzeit mehr");
}

// A system database older than the places' data would set them back to
// older rules: they stay, and the box says why.
TEST_F(RefreshTimeZonesTest, AnOlderDatabaseLeavesNewerPlaces) {
  ScriptedBoxes boxes;
  const std::string before = ReadBytes(kFile);
  ZoneRefresh r = RefreshTimeZones(kFile, zones_, {2026, 12, 8}, "tzdata 2025b", boxes);
  EXPECT_TRUE(r.changes.empty());
  EXPECT_EQ(r.kept_newer, 5);
  EXPECT_EQ(ReadBytes(kFile), before);
  EXPECT_EQ(RefreshSummary(r, "tzdata 2025b", 2026).rfind("Nichts wurde geändert.\n\n5 Orte sind nach tzdata 2026f "
                                                          "gesetzt, einer neueren Fassung als der des Systems "
                                                          "(tzdata 2025b), und bleiben unverändert.", 0),
            0u);
  struct Case { const char* place; const char* system; bool newer; };
  const Case cases[] = {{"tzdata 2026f", "tzdata 2025b", true}, {"tzdata 2026f", "tzdata 2026f", false},
                        {"tzdata 2026f", "tzdata 2026za", false}, {"Stand 08.12.2026", "tzdata 2025b", false},
                        {"", "tzdata 2025b", false}};
  for (const Case& c : cases) EXPECT_EQ(IsNewerStand(c.place, c.system), c.newer) << c.place << " / " << c.system;
}

// A failure at any step leaves the old file and reports it once; only the
// directory sync after the rename fails with the new content in place.
TEST_F(RefreshTimeZonesTest, AFailureAtAnyStepLeavesTheOldFile) {
  const std::string old = ReadBytes(kFile);
  ScriptedBoxes quiet;
  size_t count = StepsOf([&] { RefreshTimeZones(kFile, zones_, {2026, 12, 8}, kStand, quiet); }).size();
  const std::string refreshed = ReadBytes(kFile);
  ASSERT_GT(count, 10u);
  for (size_t k = 1; k <= count; ++k) {
    WriteBytes(kFile, old);
    ScriptedBoxes boxes;
    FaultPlan plan(k);
    ZoneRefresh r = RefreshTimeZones(kFile, zones_, {2026, 12, 8}, kStand, boxes);
    SCOPED_TRACE(::testing::Message() << "step " << k << " on " << plan.FailedStep().name);
    const bool renamed = k == count;
    EXPECT_EQ(r.failed, !renamed);
    EXPECT_EQ(r.changes.size(), renamed ? 3u : 0u);
    EXPECT_EQ(ReadBytes(kFile), renamed ? refreshed : old);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, renamed ? BoxKind::Warning : BoxKind::Error);
    if (!renamed) {
      EXPECT_EQ(boxes.shown[0].text, "Die Datei WELTZEIT.DAT konnte nicht geöffnet werden oder die revidierte Datei "
                                     "konnte nicht geschrieben werden!");
    }
  }
}

TEST(ZoneStand, VersionOfTheDatabaseOrTheDate) {
  TempWorkDir work;
  EXPECT_EQ(ZoneStand(work.path(), {2026, 12, 8}), "Stand 08.12.2026");
  WriteBytes("tzdata.zi", "# version 2025b\n");
  EXPECT_EQ(ZoneStand(work.path(), {2026, 12, 8}), "tzdata 2025b");
}

}  // namespace
}  // namespace mensurio

namespace mensurio {
namespace {

TEST(RefreshSummary, NothingChangesOrWhatDidCutShort) {
  auto many = [](const char* what, int n) {
    std::vector<std::string> v;
    for (int i = 1; i <= n; ++i) v.push_back(what + std::to_string(i));
    return v;
  };
  struct Case { int changes, unknown; const char* begins; const char* ends; };
  const Case cases[] = {
      {0, 0, "Die Orte der Weltzeit stimmen mit der Zeitzonen-Datenbank des Systems (tzdata 2025b, Jahr 2026) "
             "überein; nichts wurde geändert.", "geändert."},
      {1, 0, "Nach der Zeitzonen-Datenbank des Systems (tzdata 2025b, Jahr 2026) geändert:\n\nOrt1", "Ort1"},
      {20, 0, "Nach", "\nOrt20"},
      {21, 0, "Nach", "\nOrt20\n… und 1 weitere"},
      {0, 2, "Die Orte", "überein; nichts wurde geändert.\n\nDem System unbekannt, daher unverändert: Zone1, Zone2."},
      {0, 9, "Die Orte", "Zone7, Zone8 und 1 weitere."},
  };
  for (const Case& c : cases) {
    ZoneRefresh r;
    r.changes = many("Ort", c.changes);
    r.unknown = many("Zone", c.unknown);
    std::string text = RefreshSummary(r, "tzdata 2025b", 2026);
    EXPECT_EQ(text.rfind(c.begins, 0), 0u) << text;
    EXPECT_TRUE(text.ends_with(c.ends)) << text;
  }
}

}  // namespace
}  // namespace mensurio
