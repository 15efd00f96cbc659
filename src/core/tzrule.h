// The rule a time zone follows after its last recorded change: the POSIX TZ
// text that closes a TZif file, such as "CET-1CEST,M3.5.0,M10.5.0/3".
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace mensurio {

class TzRule {
 public:
  // nullopt for a text that is not such a rule.
  static std::optional<TzRule> Parse(std::string_view text);

  // The offset from universal time, in seconds east, at a universal instant
  // (seconds since 1970-01-01 00:00 UTC).
  int32_t OffsetAt(int64_t utc) const;

 private:
  // A change of the clock: Jn (day 1..365, 29 February never counted), n
  // (day 0..365 of the year) or Mm.w.d (weekday d of week w, 5 = the last,
  // of month m), at a local time in seconds (default 02:00).
  struct Change {
    enum class Kind { Julian1, Julian0, MonthWeekDay } kind = Kind::MonthWeekDay;
    int day = 0, month = 0, week = 0, weekday = 0;
    int32_t time = 7200;
  };
  static std::optional<Change> ParseChange(std::string_view& text);
  int64_t LocalSeconds(const Change& change, int year) const;

  int32_t standard_ = 0;  // seconds east
  int32_t summer_ = 0;
  bool has_summer_ = false;
  Change start_, end_;
};

}  // namespace mensurio
