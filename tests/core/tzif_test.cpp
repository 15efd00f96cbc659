#include "tzif.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "civildate.h"
#include "tempdir.h"
#include "tzifwriter.h"
#include "zonefacts.h"

namespace mensurio {
namespace {

using testing::TzifBytes;
using testing::WriteRuleZone;
using testing::WriteZone;

int64_t Utc(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  return DaysFromCivil({y, mo, d}) * 86400 + h * 3600 + mi * 60 + s;
}

constexpr const char* kEurope = "CET-1CEST,M3.5.0,M10.5.0/3";
constexpr const char* kUnitedStates = "EST5EDT,M3.2.0,M11.1.0";
constexpr const char* kSydney = "AEST-10AEDT,M10.1.0,M4.1.0/3";
constexpr const char* kIreland = "IST-1GMT0,M10.5.0,M3.5.0/1";  // winter time as negative summer time
constexpr const char* kNuuk = "<-02>2<-01>,M3.5.0/-1,M10.5.0/0";

TEST(CivilDate, DaysAndWeekdays) {
  struct Case { CivilDate date; int64_t days; int weekday; };
  const Case cases[] = {
      {{1970, 1, 1}, 0, 4},        {{1969, 12, 31}, -1, 3},   {{2000, 2, 29}, 11016, 2},
      {{2026, 3, 29}, 20541, 0},   {{2100, 3, 1}, 47541, 1},  {{1600, 1, 1}, -135140, 6},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DaysFromCivil(c.date), c.days) << c.date.year << "-" << c.date.month << "-" << c.date.day;
    EXPECT_EQ(CivilFromDays(c.days), c.date) << c.days;
    EXPECT_EQ(Weekday(c.days), c.weekday) << c.days;
  }
  EXPECT_FALSE(IsValidDate({2027, 2, 29}));
  EXPECT_TRUE(IsValidDate({2028, 2, 29}));
  EXPECT_FALSE(IsValidDate({2100, 2, 29}));
  EXPECT_FALSE(IsValidDate({2026, 4, 31}));
}

// The offsets of closing rules on either side of each change.
TEST(TzRule, OffsetsEitherSideOfTheChanges) {
  struct Case { const char* rule; int64_t at; int32_t offset; };
  const Case cases[] = {
      {kEurope, Utc(2026, 3, 29, 0, 59, 59), 3600},    {kEurope, Utc(2026, 3, 29, 1), 7200},
      {kEurope, Utc(2026, 10, 25, 0, 59, 59), 7200},   {kEurope, Utc(2026, 10, 25, 1), 3600},
      {kEurope, Utc(2027, 3, 28, 1), 7200},             {kEurope, Utc(2026, 12, 31, 23, 30), 3600},
      {kUnitedStates, Utc(2026, 3, 8, 6, 59, 59), -18000}, {kUnitedStates, Utc(2026, 3, 8, 7), -14400},
      {kUnitedStates, Utc(2026, 11, 1, 5, 59, 59), -14400}, {kUnitedStates, Utc(2026, 11, 1, 6), -18000},
      {kSydney, Utc(2026, 4, 4, 15, 59, 59), 39600},   {kSydney, Utc(2026, 4, 4, 16), 36000},
      {kSydney, Utc(2026, 10, 3, 15, 59, 59), 36000},  {kSydney, Utc(2026, 10, 3, 16), 39600},
      {kSydney, Utc(2026, 12, 31, 20), 39600},          {kSydney, Utc(2027, 1, 1, 1), 39600},
      {kIreland, Utc(2026, 1, 15), 0},                  {kIreland, Utc(2026, 3, 29, 0, 59, 59), 0},
      {kIreland, Utc(2026, 3, 29, 1), 3600},            {kIreland, Utc(2026, 10, 25, 1), 0},
      {kNuuk, Utc(2026, 3, 29, 0, 59, 59), -7200},      {kNuuk, Utc(2026, 3, 29, 1), -3600},
      {kNuuk, Utc(2026, 10, 25, 0, 59, 59), -3600},     {kNuuk, Utc(2026, 10, 25, 1), -7200},
      {"EST5EDT,0/0,J365/25", Utc(2026, 1, 1, 5), -14400},  // summer time all year
      {"EST5EDT,0/0,J365/25", Utc(2026, 12, 31, 23), -14400},
      {"<-03>3<-02>,J60/0,J300/0", Utc(2028, 3, 1, 2, 59, 59), -10800},  // J60 is 1 March, leap year or not
      {"<-03>3<-02>,J60/0,J300/0", Utc(2028, 3, 1, 3), -7200},
      {"<-03>3<-02>,59/0,300/0", Utc(2028, 2, 29, 3), -7200},  // day 59 counting from 0: 29 February
      {"<-03>3<-02>,59/0,300/0", Utc(2028, 2, 29, 2, 59, 59), -10800},
      {"<+0545>-5:45", Utc(2026, 7, 1), 20700},         {"<-0330>3:30", Utc(2026, 7, 1), -12600},
      {"UTC0", Utc(2026, 7, 1), 0},                     {"WART4WARST", Utc(2026, 7, 1), -10800}  // no dates: those of the United States,
  };
  for (const Case& c : cases) {
    auto rule = TzRule::Parse(c.rule);
    ASSERT_TRUE(rule) << c.rule;
    EXPECT_EQ(rule->OffsetAt(c.at), c.offset) << c.rule << " at " << c.at;
  }
}

TEST(TzRule, RefusesWhatIsNoRule) {
  for (const char* text : {"", "CE-1", "CET", "CET-1CEST,M3.5.0", "CET-1CEST,M13.5.0,M10.5.0", "CET-1CEST,M3.6.0,M10.5.0",
                           "CET-1CEST,M3.5.7,M10.5.0", "CET-1CEST,J0,J100", "CET-1CEST,M3.5.0,M10.5.0/3x", "<+01-1",
                           "CET-25", "CET-1:60", "CET-1CEST,M3.5.0/200,M10.5.0"})
    EXPECT_FALSE(TzRule::Parse(text)) << '"' << text << '"';
}

// A zone that changed its standard offset: recorded changes, then the rule.
TEST(TimeZone, RecordedChangesThenTheClosingRule) {
  const int64_t change = Utc(2026, 3, 8, 10);
  auto zone = TimeZone::Parse(TzifBytes({{change, 1}}, {-28800, -25200}, "<-07>7"));
  ASSERT_TRUE(zone);
  auto version1 = TimeZone::Parse(TzifBytes({{change, 1}, {Utc(2030, 1, 1), 0}}, {-28800, -25200}, "", '\0'));
  ASSERT_TRUE(version1);
  auto then_europe = TimeZone::Parse(TzifBytes({{Utc(2020, 1, 1), 1}}, {0, 3600}, kEurope));
  ASSERT_TRUE(then_europe);
  struct Case { const TimeZone* zone; int64_t at; int32_t offset; };
  const Case cases[] = {
      {&*zone, Utc(1900, 1, 1), -28800},           {&*zone, change - 1, -28800},
      {&*zone, change, -25200},                    {&*zone, Utc(2090, 7, 1), -25200},
      {&*version1, change - 1, -28800},            {&*version1, change, -25200},
      {&*version1, Utc(2031, 7, 1), -28800},       // after the last change its type stays
      {&*then_europe, Utc(2019, 7, 1), 0},         {&*then_europe, Utc(2026, 1, 15), 3600},
      {&*then_europe, Utc(2026, 7, 15), 7200},
  };
  for (const Case& c : cases) EXPECT_EQ(c.zone->OffsetAt(c.at), c.offset) << c.at;
}

TEST(TimeZone, RefusesUnsoundFiles) {
  const std::string good = TzifBytes({{100, 1}}, {0, 3600}, kEurope);
  auto with = [&](size_t at, char byte) {
    std::string s = good;
    s[at] = byte;
    return s;
  };
  std::string v1 = TzifBytes({{100, 1}}, {0, 3600}, "", '\0');
  const size_t second = v1.size();  // where the 64-bit part begins
  struct Case { const char* what; std::string bytes; };
  const Case cases[] = {
      {"empty", ""},
      {"other magic", with(0, 'X')},
      {"cut in the header", good.substr(0, 30)},
      {"cut in the data", good.substr(0, second + 50)},
      {"no closing rule", good.substr(0, good.size() - std::string(kEurope).size() - 2)},
      {"rule not closed", good.substr(0, good.size() - 1)},
      {"rule unreadable", TzifBytes({}, {0}, "CET-1CEST,M3")},
      {"type index beyond the types", TzifBytes({{100, 2}}, {0, 3600}, "UTC0")},
      {"changes out of order", TzifBytes({{100, 0}, {50, 1}}, {0, 3600}, "UTC0")},
      {"no type", TzifBytes({}, {}, "UTC0")},
      {"offset beyond a day", TzifBytes({}, {100000}, "")},
      {"huge count", with(second + 20 + 12, '\x7f')},
  };
  EXPECT_TRUE(TimeZone::Parse(good));
  for (const Case& c : cases) EXPECT_FALSE(TimeZone::Parse(c.bytes)) << c.what;
}

TEST(TimeZone, LocalTimesAroundTheChanges) {
  auto berlin = TimeZone::Parse(TzifBytes({}, {0}, kEurope));
  ASSERT_TRUE(berlin);
  struct Case { const char* what; int64_t local; int32_t offset; };
  const Case cases[] = {
      {"before summer time", Utc(2026, 3, 29, 1, 59), 3600},
      {"skipped hour: the offset before", Utc(2026, 3, 29, 2, 30), 3600},
      {"summer time", Utc(2026, 3, 29, 3), 7200},
      {"twice passed hour: the first", Utc(2026, 10, 25, 2, 30), 7200},
      {"after the hour", Utc(2026, 10, 25, 3), 3600},
  };
  for (const Case& c : cases) EXPECT_EQ(berlin->OffsetAtLocal(c.local), c.offset) << c.what;
}

TEST(LoadTimeZone, OnlyRegularFilesInsideTheDirectory) {
  testing::TempWorkDir work;
  const std::string dir = work.path() + "/zones";
  WriteRuleZone(dir, "Test/North", kEurope);
  WriteRuleZone(work.path(), "outside", kEurope);
  std::filesystem::create_symlink(dir + "/Test/North", dir + "/Link");
  ASSERT_EQ(::mkfifo((dir + "/Fifo").c_str(), 0600), 0);
  struct Case { const char* name; bool found; };
  const Case cases[] = {
      {"Test/North", true},       {"Link", true},          {"Test/South", false},
      {"../outside", false},      {"Test/../Test/North", false}, {"Test/./North", false},
      {"/Test/North", false},     {"Test//North", false},  {"Test/North/", false},
      {"Test", false},            {"Fifo", false},          {"", false},
      {"Test\\North", false},     {"Test/Nor th", false},
  };
  for (const Case& c : cases) EXPECT_EQ(LoadTimeZone(dir, c.name).has_value(), c.found) << '"' << c.name << '"';
  ZoneCache cache(dir);
  EXPECT_NE(cache.Find("Test/North"), nullptr);
  EXPECT_EQ(cache.Find("Test/South"), nullptr);
  WriteRuleZone(dir, "Test/South", kSydney);
  EXPECT_EQ(cache.Find("Test/South"), nullptr) << "each zone is read once";
}

TEST(ZoneDatabaseVersion, FromTheFirstLineOfTzdataZi) {
  testing::TempWorkDir work;
  struct Case { const char* first_line; const char* version; };
  const Case cases[] = {
      {"# version 2025b\n", "2025b"}, {"# version 2026f", "2026f"}, {"# version \n", ""},
      {"# Version 2025b\n", ""},      {"# version 2025b; rm -rf\n", ""},
  };
  for (const Case& c : cases) {
    testing::WriteBytes("tzdata.zi", c.first_line);
    EXPECT_EQ(ZoneDatabaseVersion(work.path()), c.version) << c.first_line;
  }
  std::filesystem::remove("tzdata.zi");
  EXPECT_EQ(ZoneDatabaseVersion(work.path()), "");
}

// The facts from a day on that the world-time places record.
TEST(FactsFrom, StandardOffsetAndSummerTime) {
  struct Case { const char* rule; long standard; bool summer; int starts, start_day, ends, end_day; const char* text; };
  const Case cases[] = {
      {kEurope, 60, true, 3, 29, 10, 25, "Ende März bis Ende Okt."},
      {kUnitedStates, -300, true, 3, 8, 11, 1, "Mitte März bis Anfang Nov."},
      {kSydney, 600, true, 10, 4, 4, 5, "Anfang Okt. bis Anfang Apr."},
      {kIreland, 0, true, 3, 29, 10, 25, "Ende März bis Ende Okt."},
      {kNuuk, -120, true, 3, 28, 10, 24, "Ende März bis Ende Okt."},  // dated by the old clock: the evening before
      {"<+0545>-5:45", 345, false, 0, 0, 0, 0, ""},
      {"<-0330>3:30", -210, false, 0, 0, 0, 0, ""},
      {"UTC0", 0, false, 0, 0, 0, 0, ""},
  };
  for (const Case& c : cases) {
    auto zone = TimeZone::Parse(TzifBytes({}, {0}, c.rule));
    ASSERT_TRUE(zone) << c.rule;
    ZoneFacts f = FactsFrom(*zone, {2026, 1, 1});
    EXPECT_EQ(f.standard_minutes, c.standard) << c.rule;
    EXPECT_EQ(f.summer_time, c.summer) << c.rule;
    EXPECT_EQ(f.summer_starts, c.starts) << c.rule;
    EXPECT_EQ(f.start_day, c.start_day) << c.rule;
    EXPECT_EQ(f.summer_ends, c.ends) << c.rule;
    EXPECT_EQ(f.end_day, c.end_day) << c.rule;
    EXPECT_EQ(SummerTimeText(f), c.text) << c.rule;
    EXPECT_TRUE(SummerTimeTextFits(f, c.text)) << c.rule;
  }
}

// Zones that changed for good: what counts is their clock from the day on,
// not the year's.
TEST(FactsFrom, ZonesThatChangedForGood) {
  // Summer time in 2026, then -7:00 all year from 1 November (Vancouver).
  auto stays_in_summer = TimeZone::Parse(
      TzifBytes({{Utc(2026, 3, 8, 10), 1}, {Utc(2026, 11, 1, 9), 2}}, {-28800, -25200, -25200}, "<-07>7"));
  // Summer time from March 2026 to November 2027, then every year again (Havana).
  auto long_summer = TimeZone::Parse(
      TzifBytes({{Utc(2026, 3, 8, 5), 1}, {Utc(2027, 11, 7, 5), 0}}, {-18000, -14400}, "CST5CDT,M3.2.0/0,M11.1.0/1"));
  ASSERT_TRUE(stays_in_summer && long_summer);
  struct Case { const TimeZone* zone; CivilDate from; long standard; bool summer; int starts, ends; };
  const Case cases[] = {
      {&*stays_in_summer, {2026, 1, 1}, -480, true, 3, 0},
      {&*stays_in_summer, {2026, 12, 8}, -420, false, 0, 0},
      {&*long_summer, {2026, 12, 8}, -300, true, 3, 11},
  };
  for (const Case& c : cases) {
    ZoneFacts f = FactsFrom(*c.zone, c.from);
    EXPECT_EQ(f.standard_minutes, c.standard) << c.from.year << "-" << c.from.month;
    EXPECT_EQ(f.summer_time, c.summer) << c.from.year << "-" << c.from.month;
    EXPECT_EQ(f.summer_starts, c.starts) << c.from.year << "-" << c.from.month;
    EXPECT_EQ(f.summer_ends, c.ends) << c.from.year << "-" << c.from.month;
  }
  EXPECT_TRUE(SummerTimeTextFits(FactsFrom(*long_summer, {2026, 12, 8}), "bis 7.11.27, dann März bis Nov."));
}

TEST(FactsFrom, PeriodTextsAndOffsets) {
  EXPECT_EQ(MonthsNamed("Ende März bis Ende Okt."), (std::vector<int>{3, 10}));
  EXPECT_EQ(MonthsNamed("2. So. März bis 1. So. Nov."), (std::vector<int>{3, 11}));
  EXPECT_EQ(MonthsNamed("Anfang Okt. bis Anfang Apr."), (std::vector<int>{10, 4}));
  EXPECT_EQ(MonthsNamed("Mitte Mai"), (std::vector<int>{5}));
  EXPECT_TRUE(MonthsNamed("ganzjährig").empty());
  ZoneFacts europe{60, true, 3, 10, 29, 25};
  EXPECT_TRUE(SummerTimeTextFits(europe, "Ende März bis Ende Okt."));
  EXPECT_FALSE(SummerTimeTextFits(europe, "Ende Okt. bis Ende März"));
  EXPECT_FALSE(SummerTimeTextFits(europe, ""));
  EXPECT_FALSE(SummerTimeTextFits(ZoneFacts{}, "Ende März bis Ende Okt."));
  EXPECT_TRUE(SummerTimeTextFits(ZoneFacts{}, ""));
  struct Case { long minutes; const char* text; };
  const Case cases[] = {{60, "+1:00"}, {-480, "-8:00"}, {0, "0:00"}, {345, "+5:45"}, {-210, "-3:30"}, {-30, "-0:30"}};
  for (const Case& c : cases) EXPECT_EQ(OffsetText(c.minutes), c.text);
}

}  // namespace
}  // namespace mensurio
