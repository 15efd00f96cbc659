#include "worldtime.h"

#include <gtest/gtest.h>

#include <vector>

#include "records.h"
#include "tempdir.h"
#include "tzifwriter.h"

namespace mensurio {
namespace {

const std::string kNext = " n\xE4. Tag";  // Windows-1252
const std::string kPrevious = " Vortag";

// Places in both hemispheres, one without a zone, one whose zone the
// database lacks.
enum Place { kUtc, kBerlin, kNewYork, kSydney, kOwn, kUnknown };

class WorldTimeOnDate : public ::testing::Test {
 protected:
  WorldTimeOnDate() : zones_(work_.path() + "/zones") {
    const std::string dir = work_.path() + "/zones";
    testing::WriteRuleZone(dir, "Test/UTC", "UTC0");
    testing::WriteRuleZone(dir, "Test/Berlin", "CET-1CEST,M3.5.0,M10.5.0/3");
    testing::WriteRuleZone(dir, "America/New_York", "EST5EDT,M3.2.0,M11.1.0");
    testing::WriteRuleZone(dir, "Test/Sydney", "AEST-10AEDT,M10.1.0,M4.1.0/3");
  }

  static UnitList Places() {
    struct Row { const char* zone; long double hours; };
    const Row rows[] = {{"Test/UTC", 0}, {"Test/Berlin", 1}, {"America/New_York", -5},
                        {"Test/Sydney", 10}, {"", 5.5L}, {"Test/Nowhere", 9}};
    UnitList units;
    for (const Row& row : rows) {
      TAusgabetextobject e;
      e.record = testing::MakeRecord("Ort", 2, row.hours);
      SetFieldOrBlanks(e.record.spare_text_1, row.zone);
      e.scientific_text = "alt";
      e.float_text = "alt";
      units.push_back(e);
    }
    return units;
  }

  testing::TempWorkDir work_;
  ZoneCache zones_;
};

TEST_F(WorldTimeOnDate, OffsetsOfTheDayEitherSideOfEachChange) {
  const CivilDate december{2026, 12, 8};
  const CivilDate july{2026, 7, 15};
  struct Case {
    const char* entry;
    Place source;
    CivilDate today;
    std::vector<std::string> lines;  // UTC, Berlin, New York, Sydney, own (+5:30), unknown (+9 stored)
  };
  const Case cases[] = {
      // Without a date: today's offsets, northern winter and southern summer.
      {"12:00", kBerlin, december, {"11:00", "12:00", "06:00", "22:00", "16:30", "20:00"}},
      {"12:00", kBerlin, july, {"10:00", "12:00", "06:00", "20:00", "15:30", "19:00"}},
      // A day of this year, and of another.
      {"12:00 15.07.", kBerlin, december, {"10:00", "12:00", "06:00", "20:00", "15:30", "19:00"}},
      {"12:00 15.1.30", kBerlin, july, {"11:00", "12:00", "06:00", "22:00", "16:30", "20:00"}},
      {"9: 05 15.07.26", kUtc, december, {"09:05", "11:05", "05:05", "19:05", "14:35", "18:05"}},
      // Europe: 29.03.2026 and 25.10.2026, 01:00 UTC.
      {"12:00 28.03.26", kUtc, december, {"12:00", "13:00", "08:00", "23:00", "17:30", "21:00"}},
      {"12:00 29.03.26", kUtc, december, {"12:00", "14:00", "08:00", "23:00", "17:30", "21:00"}},
      {"00:59 29.03.26", kUtc, december, {"00:59", "01:59", "20:59" + kPrevious, "11:59", "06:29", "09:59"}},
      {"01:00 29.03.26", kUtc, december, {"01:00", "03:00", "21:00" + kPrevious, "12:00", "06:30", "10:00"}},
      {"00:59 25.10.26", kUtc, december, {"00:59", "02:59", "20:59" + kPrevious, "11:59", "06:29", "09:59"}},
      {"01:00 25.10.26", kUtc, december, {"01:00", "02:00", "21:00" + kPrevious, "12:00", "06:30", "10:00"}},
      // The clock at the source skips 02:00 to 03:00, and passes 02:00 to 03:00 twice.
      {"02:30 29.03.26", kBerlin, december, {"01:30", "03:30", "21:30" + kPrevious, "12:30", "07:00", "10:30"}},
      {"02:30 25.10.26", kBerlin, december, {"00:30", "02:30", "20:30" + kPrevious, "11:30", "06:00", "09:30"}},
      // United States: 08.03.2026 07:00 UTC and 01.11.2026 06:00 UTC.
      {"12:00 07.03.26", kNewYork, december, {"17:00", "18:00", "12:00", "04:00" + kNext, "22:30", "02:00" + kNext}},
      {"12:00 08.03.26", kNewYork, december, {"16:00", "17:00", "12:00", "03:00" + kNext, "21:30", "01:00" + kNext}},
      {"12:00 01.11.26", kNewYork, december, {"17:00", "18:00", "12:00", "04:00" + kNext, "22:30", "02:00" + kNext}},
      // Sydney: summer time ends 04.04.2026 16:00 UTC, begins 03.10.2026 16:00 UTC.
      {"15:59 04.04.26", kUtc, december, {"15:59", "17:59", "11:59", "02:59" + kNext, "21:29", "00:59" + kNext}},
      {"16:00 04.04.26", kUtc, december, {"16:00", "18:00", "12:00", "02:00" + kNext, "21:30", "01:00" + kNext}},
      {"09:00 06.04.26", kSydney, december, {"23:00" + kPrevious, "01:00", "19:00" + kPrevious, "09:00", "04:30", "08:00"}},
      {"09:00 04.10.26", kSydney, december, {"22:00" + kPrevious, "00:00", "18:00" + kPrevious, "09:00", "03:30", "07:00"}},
      // Sources without a zone or with an unknown one keep their stored offset.
      {"12:00 15.07.", kOwn, december, {"06:30", "08:30", "02:30", "16:30", "12:00", "15:30"}},
      {"12:00", kUnknown, december, {"03:00", "04:00", "22:00" + kPrevious, "14:00", "08:30", "12:00"}},
      // The entry as without a date: 24:00 is 00:00 of the day, 1:75 is 02:15.
      {"24:00 29.03.26", kBerlin, december, {"23:00" + kPrevious, "00:00", "19:00" + kPrevious, "10:00", "04:30", "08:00"}},
      {"1:75 15.07.", kUtc, december, {"02:15", "04:15", "22:15" + kPrevious, "12:15", "07:45", "11:15"}},
  };
  for (const Case& c : cases) {
    UnitList units = Places();
    ConversionResult r = ConvertWorldTimeOnDate(units, c.source, c.entry, c.today, zones_);
    ASSERT_EQ(r.status, ConversionStatus::Done) << c.entry;
    for (size_t i = 0; i < units.size(); ++i) {
      EXPECT_EQ(units[i].scientific_text, c.lines[i]) << c.entry << " line " << i;
      EXPECT_EQ(units[i].float_text, c.lines[i]) << c.entry << " line " << i;
    }
  }
}

TEST_F(WorldTimeOnDate, RejectedEntriesChangeNothing) {
  for (const char* entry : {"12:00 31.02.", "12:00 29.02.27", "12:00 15.13.", "12:00 0.07.", "12:00 15.07",
                            "12:00 15-07.", "12:00 .07.", "12:00 1507.", "12:00 15.07.2026", "12:00 15.07.6",
                            "12:00 15.07.26 x", "12:00 x", "1200 15.07.", "25:00 15.07.", "12:30 ", "1,0", ""}) {
    UnitList units = Places();
    ConversionResult r = ConvertWorldTimeOnDate(units, kBerlin, entry, {2026, 12, 8}, zones_);
    EXPECT_EQ(r.status, ConversionStatus::BadInput) << '"' << entry << '"';
    EXPECT_EQ(r.message, kBadTimeOrDateMessage);
    for (const TAusgabetextobject& e : units) EXPECT_EQ(e.float_text, "alt") << entry;
  }
  UnitList units = Places();
  EXPECT_EQ(ConvertWorldTimeOnDate(units, kBerlin, "12:00 29.02.28", {2026, 12, 8}, zones_).status,
            ConversionStatus::Done);
  UnitList none;
  EXPECT_EQ(ConvertWorldTimeOnDate(none, 0, "12:00", {2026, 12, 8}, zones_).status, ConversionStatus::Done);
}

TEST_F(WorldTimeOnDate, ZoneNamesOfTheRecord) {
  UnitRecord r = BlankRecord();
  struct Case { const char* field; const char* zone; };
  const Case cases[] = {{"Europe/Berlin", "Europe/Berlin"}, {"America/Argentina/Buenos_Aires   ", "America/Argentina/Buenos_Aires"},
                        {"", ""}, {"../../etc/passwd", ""}, {"/etc/localtime", ""}, {"Stand 1.1.", ""}};
  for (const Case& c : cases) {
    SetFieldOrBlanks(r.spare_text_1, c.field);
    EXPECT_EQ(ZoneNameOf(r), c.zone) << c.field;
  }
}

}  // namespace
}  // namespace mensurio
