#include "ratedate.h"

#include <gtest/gtest.h>

#include "records.h"

namespace mensurio {
namespace {

Date D(int y, unsigned m, unsigned d) { return Date{std::chrono::year(y), std::chrono::month(m), std::chrono::day(d)}; }

TEST(ReadGermanDate, DayMonthYear) {
  struct Case { const char* text; std::optional<Date> date; };
  const Case cases[] = {
      {"29.12.2023", D(2023, 12, 29)}, {"1.1.2026", D(2026, 1, 1)}, {"29.02.2024", D(2024, 2, 29)},
      {"29.02.2023", std::nullopt},    {"31.04.2026", std::nullopt}, {"12.2023", std::nullopt},
      {"29.12.23", std::nullopt},      {"29.12.2023 ", std::nullopt}, {"", std::nullopt},
      {"2023-12-29", std::nullopt},    {"+1.1.2026", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadGermanDate(c.text), c.date) << c.text;
  EXPECT_EQ(GermanDate(D(2026, 1, 5)), "05.01.2026");
}

TEST(NewestStand, OnlyStandTextsCount) {
  struct Case { std::vector<const char*> validities; std::optional<Date> newest; };
  const Case cases[] = {
      {{"Stand 29.12.2023", "Stand 05.12.2026   ", "Stand 1.3.2025"}, D(2026, 12, 5)},
      {{"fest seit 1.1.2027", "Stand 29.12.2023", "gültig bis 31.12.2001"}, D(2023, 12, 29)},
      {{"kein EZB-Kurs seit 2.3.2022", "Stand heute", "Stand 32.12.2026", ""}, std::nullopt},
      {{}, std::nullopt},
  };
  for (const Case& c : cases) {
    UnitList units;
    for (const char* v : c.validities) {
      TAusgabetextobject e;
      e.record = testing::MakeRecord("x", 2, 1);
      SetFieldText(e.record.validity, v);
      units.push_back(e);
    }
    EXPECT_EQ(NewestStand(units), c.newest) << c.validities.size();
  }
}

TEST(RateAgeText, DateAndAgeInDays) {
  struct Case { Date stand, today; const char* text; };
  const Case cases[] = {
      {D(2023, 12, 29), D(2026, 12, 8), "Kurse: Stand 29.12.2023\n1.075 Tage alt"},
      {D(2026, 12, 7), D(2026, 12, 8), "Kurse: Stand 07.12.2026\n1 Tag alt"},
      {D(2026, 12, 8), D(2026, 12, 8), "Kurse: Stand 08.12.2026\nvon heute"},
      {D(2026, 11, 8), D(2026, 12, 8), "Kurse: Stand 08.11.2026\n30 Tage alt"},
      {D(2024, 2, 28), D(2024, 3, 1), "Kurse: Stand 28.02.2024\n2 Tage alt"},
      {D(2026, 12, 9), D(2026, 12, 8), "Kurse: Stand 09.12.2026\nDatum liegt in der Zukunft"},
  };
  for (const Case& c : cases) EXPECT_EQ(RateAgeText(c.stand, c.today), c.text);
}

}  // namespace
}  // namespace mensurio
