#include "civildate.h"

namespace mensurio {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(const CivilDate& d) { return d.day >= 1 && d.day <= DaysInMonth(d.year, d.month); }

// The era arithmetic of the proleptic Gregorian calendar: 400-year eras of
// 146097 days, years starting in March so that the leap day ends a year.
int64_t DaysFromCivil(const CivilDate& d) {
  int64_t y = d.year - (d.month <= 2 ? 1 : 0);
  int64_t era = FloorDiv(y, 400);
  int64_t year_of_era = y - era * 400;
  int64_t month_from_march = (d.month + 9) % 12;
  int64_t day_of_year = (153 * month_from_march + 2) / 5 + d.day - 1;
  int64_t day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

CivilDate CivilFromDays(int64_t days) {
  days += 719468;
  int64_t era = FloorDiv(days, 146097);
  int64_t day_of_era = days - era * 146097;
  int64_t year_of_era = (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  int64_t day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  int64_t month_from_march = (5 * day_of_year + 2) / 153;
  CivilDate d;
  d.day = static_cast<int>(day_of_year - (153 * month_from_march + 2) / 5 + 1);
  d.month = static_cast<int>(month_from_march < 10 ? month_from_march + 3 : month_from_march - 9);
  d.year = static_cast<int>(year_of_era + era * 400 + (d.month <= 2 ? 1 : 0));
  return d;
}

int Weekday(int64_t days) { return static_cast<int>(FloorMod(days + 4, 7)); }  // 1970-01-01 was a Thursday

}  // namespace mensurio
