// Calendar days of the Gregorian calendar, counted from 1970-01-01.
#pragma once

#include <cstdint>

namespace mensurio {

struct CivilDate {
  int year = 1970;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
  bool operator==(const CivilDate&) const = default;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
bool IsValidDate(const CivilDate& date);

// Days since 1970-01-01 (negative before), and back.
int64_t DaysFromCivil(const CivilDate& date);
CivilDate CivilFromDays(int64_t days);

// 0 = Sunday .. 6 = Saturday.
int Weekday(int64_t days);

// Floor division and its remainder for seconds and minutes.
inline int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }
inline int64_t FloorMod(int64_t a, int64_t b) { return a - FloorDiv(a, b) * b; }

}  // namespace mensurio
