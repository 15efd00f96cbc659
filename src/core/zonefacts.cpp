#include "zonefacts.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <sstream>

#include "civildate.h"

namespace mensurio {
namespace {

int64_t UtcNoon(int year, int month, int day) { return DaysFromCivil({year, month, day}) * 86400 + 12 * 3600; }

CivilDate LocalDate(const TimeZone& zone, int64_t utc) {
  return CivilFromDays(FloorDiv(utc + zone.OffsetAt(utc), 86400));
}

const char* const kMonthShort[12] = {"Jan.", "Feb.", "März", "Apr.", "Mai",  "Juni",
                                     "Juli", "Aug.", "Sep.", "Okt.", "Nov.", "Dez."};

// "Anfang" for the first seven days of a month, "Ende" from the 22nd on (a
// last Sunday falls there even in February), else "Mitte".
const char* WhenInMonth(int day) { return day <= 7 ? "Anfang" : day >= 22 ? "Ende" : "Mitte"; }

}  // namespace

ZoneFacts FactsFrom(const TimeZone& zone, const CivilDate& from) {
  ZoneFacts f;
  // Day by day through two years; a change is placed to the second by
  // halving the day, and dated by the last second of the old offset.
  int64_t t = UtcNoon(from.year, from.month, from.day);
  const int64_t end = UtcNoon(from.year + 2, from.month, std::min(from.day, 28));
  int32_t before = zone.OffsetAt(t);
  int32_t lowest = before;
  for (int64_t next = t + 86400; next <= end; t = next, next += 86400) {
    int32_t after = zone.OffsetAt(next);
    if (after == before) continue;
    lowest = std::min(lowest, after);
    f.summer_time = true;
    int64_t lo = t, hi = next;
    while (hi - lo > 1) {
      int64_t mid = lo + (hi - lo) / 2;
      (zone.OffsetAt(mid) == before ? lo : hi) = mid;
    }
    CivilDate day = LocalDate(zone, lo);
    if (after > before && !f.summer_starts) {
      f.summer_starts = day.month;
      f.start_day = day.day;
    }
    if (after < before && !f.summer_ends) {
      f.summer_ends = day.month;
      f.end_day = day.day;
    }
    before = after;
  }
  f.standard_minutes = lowest / 60;
  return f;
}

std::vector<int> MonthsNamed(const std::string& text) {
  static const std::map<std::string, int> kMonths = {
      {"Jan.", 1},  {"Januar", 1}, {"Feb.", 2},  {"Februar", 2}, {"März", 3},   {"Apr.", 4},     {"April", 4},
      {"Mai", 5},   {"Juni", 6},   {"Juli", 7},  {"Aug.", 8},    {"August", 8}, {"Sep.", 9},     {"Sept.", 9},
      {"Okt.", 10}, {"Oktober", 10}, {"Nov.", 11}, {"November", 11}, {"Dez.", 12}, {"Dezember", 12}};
  std::vector<int> months;
  std::istringstream words(text);
  for (std::string w; words >> w;) {
    auto it = kMonths.find(w);
    if (it != kMonths.end()) months.push_back(it->second);
  }
  return months;
}

bool SummerTimeTextFits(const ZoneFacts& facts, const std::string& text) {
  if (!facts.summer_time) return text.empty();
  return MonthsNamed(text) == std::vector<int>{facts.summer_starts, facts.summer_ends};
}

std::string SummerTimeText(const ZoneFacts& f) {
  if (!f.summer_time || f.summer_starts == 0 || f.summer_ends == 0) return "";
  return std::string(WhenInMonth(f.start_day)) + " " + kMonthShort[f.summer_starts - 1] + " bis " +
         WhenInMonth(f.end_day) + " " + kMonthShort[f.summer_ends - 1];
}

std::string OffsetText(long minutes) {
  std::string sign = minutes > 0 ? "+" : minutes < 0 ? "-" : "";
  long m = std::labs(minutes);
  std::string mm = std::to_string(m % 60);
  if (mm.size() < 2) mm = "0" + mm;
  return sign + std::to_string(m / 60) + ":" + mm;
}

}  // namespace mensurio
