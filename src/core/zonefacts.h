// What a time zone does from one day on: its standard offset and its
// summer time, as the world-time places record them (factor and validity).
#pragma once

#include <string>
#include <vector>

#include "civildate.h"
#include "tzif.h"

namespace mensurio {

struct ZoneFacts {
  long standard_minutes = 0;  // the smallest offset of the two years looked at
  bool summer_time = false;   // the offset changes in them
  int summer_starts = 0;      // month (1..12) in which the offset first rises, 0 = none
  int summer_ends = 0;        // month in which it first falls back
  int start_day = 0;          // day of the month of those changes, on the local clock
  int end_day = 0;
};

// The two years from `from` on: long enough to see where a summer time that
// outlasts a season ends and starts again (Havana, March 2026 to November
// 2027), and a zone that changed for good before `from` shows only its new
// clock (Vancouver from November 2026: -7:00 all year, not last winter's
// -8:00).
ZoneFacts FactsFrom(const TimeZone& zone, const CivilDate& from);

// The months a period text such as "Ende März bis Ende Okt." names, in
// order (UTF-8).
std::vector<int> MonthsNamed(const std::string& text);

// Whether a summer-time text agrees with the facts: empty without summer
// time, naming the months it starts and ends with it.
bool SummerTimeTextFits(const ZoneFacts& facts, const std::string& text);

// A period text for the facts, "Ende März bis Ende Okt." (UTF-8); empty
// without summer time.
std::string SummerTimeText(const ZoneFacts& facts);

// An offset in minutes as "+5:45", "-8:00", "0:00".
std::string OffsetText(long minutes);

}  // namespace mensurio
