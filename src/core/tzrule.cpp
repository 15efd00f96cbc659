#include "tzrule.h"

#include <cctype>
#include <climits>

#include "civildate.h"

namespace mensurio {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A zone abbreviation: three or more letters, or "<...>" with letters,
// digits, '+' and '-'.
bool TakeName(std::string_view& s) {
  if (!s.empty() && s.front() == '<') {
    size_t close = s.find('>');
    if (close == std::string_view::npos || close < 4) return false;
    for (char c : s.substr(1, close - 1))
      if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-') return false;
    s.remove_prefix(close + 1);
    return true;
  }
  size_t n = 0;
  while (n < s.size() && std::isalpha(static_cast<unsigned char>(s[n]))) ++n;
  if (n < 3) return false;
  s.remove_prefix(n);
  return true;
}

std::optional<int> TakeNumber(std::string_view& s, int most) {
  size_t n = 0;
  int v = 0;
  while (n < s.size() && IsDigit(s[n]) && n < 3) v = v * 10 + (s[n++] - '0');
  if (n == 0 || v > most) return std::nullopt;
  s.remove_prefix(n);
  return v;
}

// [+-]hh[:mm[:ss]] in seconds, hours up to `most_hours`.
std::optional<int32_t> TakeTime(std::string_view& s, int most_hours) {
  int sign = 1;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    if (s.front() == '-') sign = -1;
    s.remove_prefix(1);
  }
  auto hours = TakeNumber(s, most_hours);
  if (!hours) return std::nullopt;
  int32_t seconds = *hours * 3600;
  for (int factor : {60, 1}) {
    if (s.empty() || s.front() != ':') break;
    s.remove_prefix(1);
    auto part = TakeNumber(s, 59);
    if (!part) return std::nullopt;
    seconds += *part * factor;
  }
  return sign * seconds;
}

bool Take(std::string_view& s, char c) {
  if (s.empty() || s.front() != c) return false;
  s.remove_prefix(1);
  return true;
}

}  // namespace

std::optional<TzRule::Change> TzRule::ParseChange(std::string_view& s) {
  Change c;
  if (Take(s, 'J')) {
    c.kind = Change::Kind::Julian1;
    auto day = TakeNumber(s, 365);
    if (!day || *day < 1) return std::nullopt;
    c.day = *day;
  } else if (Take(s, 'M')) {
    auto month = TakeNumber(s, 12);
    if (!month || *month < 1 || !Take(s, '.')) return std::nullopt;
    auto week = TakeNumber(s, 5);
    if (!week || *week < 1 || !Take(s, '.')) return std::nullopt;
    auto weekday = TakeNumber(s, 6);
    if (!weekday) return std::nullopt;
    c.month = *month;
    c.week = *week;
    c.weekday = *weekday;
  } else {
    c.kind = Change::Kind::Julian0;
    auto day = TakeNumber(s, 365);
    if (!day) return std::nullopt;
    c.day = *day;
  }
  if (Take(s, '/')) {
    auto time = TakeTime(s, 167);
    if (!time) return std::nullopt;
    c.time = *time;
  }
  return c;
}

std::optional<TzRule> TzRule::Parse(std::string_view s) {
  TzRule rule;
  if (!TakeName(s)) return std::nullopt;
  auto west = TakeTime(s, 24);
  if (!west) return std::nullopt;
  rule.standard_ = -*west;
  if (s.empty()) return rule;
  if (!TakeName(s)) return std::nullopt;
  rule.has_summer_ = true;
  rule.summer_ = rule.standard_ + 3600;
  if (!s.empty() && s.front() != ',') {
    auto summer_west = TakeTime(s, 24);
    if (!summer_west) return std::nullopt;
    rule.summer_ = -*summer_west;
  }
  if (s.empty()) {
    // No dates given: the rule of the United States since 2007.
    rule.start_ = {Change::Kind::MonthWeekDay, 0, 3, 2, 0, 7200};
    rule.end_ = {Change::Kind::MonthWeekDay, 0, 11, 1, 0, 7200};
    return rule;
  }
  if (!Take(s, ',')) return std::nullopt;
  auto start = ParseChange(s);
  if (!start || !Take(s, ',')) return std::nullopt;
  auto end = ParseChange(s);
  if (!end || !s.empty()) return std::nullopt;
  rule.start_ = *start;
  rule.end_ = *end;
  return rule;
}

int64_t TzRule::LocalSeconds(const Change& c, int year) const {
  int64_t first = DaysFromCivil({year, 1, 1});
  int64_t day = first;
  switch (c.kind) {
    case Change::Kind::Julian1:
      day = first + c.day - 1 + (IsLeapYear(year) && c.day >= 60 ? 1 : 0);
      break;
    case Change::Kind::Julian0:
      day = first + c.day;
      break;
    case Change::Kind::MonthWeekDay: {
      int64_t month_start = DaysFromCivil({year, c.month, 1});
      int64_t d = month_start + (c.weekday - Weekday(month_start) + 7) % 7 + (c.week - 1) * 7;
      while (d - month_start >= DaysInMonth(year, c.month)) d -= 7;
      day = d;
      break;
    }
  }
  return day * 86400 + c.time;
}

int32_t TzRule::OffsetAt(int64_t utc) const {
  if (!has_summer_) return standard_;
  // The changes of the year before, this year and the next, in universal
  // time; the last one at or before `utc` decides. Where an end and a start
  // fall on the same instant (summer time all year), the start counts last.
  int year = CivilFromDays(FloorDiv(utc + standard_, 86400)).year;
  bool summer = false;
  int64_t latest = INT64_MIN;
  auto consider = [&](int64_t at, bool starts) {
    if (at > utc) return;
    if (at > latest || (at == latest && starts)) {
      latest = at;
      summer = starts;
    }
  };
  for (int y = year - 1; y <= year + 1; ++y) {
    consider(LocalSeconds(end_, y) - summer_, false);
    consider(LocalSeconds(start_, y) - standard_, true);
  }
  return summer ? summer_ : standard_;
}

}  // namespace mensurio
