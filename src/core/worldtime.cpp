#include "worldtime.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string_view>

#include "format.h"
#include "ioerror.h"
#include "recordfile.h"
#include "numentry.h"
#include "text.h"

namespace mensurio {
namespace {

// Day marks, Windows-1252.
constexpr const char* kNextDayMark = " n\xE4. Tag";
constexpr const char* kPreviousDayMark = " Vortag";

ConversionResult Bad(const char* message) { return {ConversionStatus::BadInput, message}; }
ConversionResult Overflowed() { return {ConversionStatus::Overflow, kOverflowMessage}; }

size_t SourceIndex(const UnitList& units, size_t source) { return source < units.size() ? source : 0; }

// "hh:mm": the minutes after midnight; 24:00 is 00:00, beyond it nothing.
// Neither minutes of 60 and more nor a negative time are refused.
std::optional<int64_t> ReadClockTime(std::string_view entry) {
  size_t colon = entry.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  std::optional<int32_t> hours = ReadWholeNumber(entry.substr(0, colon));
  std::optional<int32_t> minutes = ReadWholeNumber(entry.substr(colon + 1));
  if (!hours || !minutes) return std::nullopt;
  // 64-bit, so that a large hour count cannot wrap round into the day.
  int64_t t = int64_t{*hours} * 60 + *minutes;
  if (t == 1440) t = 0;
  if (t > 1440) return std::nullopt;
  return t;
}

// "TT.MM." (in `this_year`) or "TT.MM.JJ" (in 20JJ), one or two digits for
// day and month; nullopt unless it is a real day.
std::optional<CivilDate> ReadDate(std::string_view text, int this_year) {
  auto digits = [&text](size_t most) -> std::optional<int> {
    size_t n = 0;
    int v = 0;
    while (n < text.size() && n < most && text[n] >= '0' && text[n] <= '9') v = v * 10 + (text[n++] - '0');
    if (n == 0) return std::nullopt;
    text.remove_prefix(n);
    return v;
  };
  auto dot = [&text] {
    if (text.empty() || text.front() != '.') return false;
    text.remove_prefix(1);
    return true;
  };
  CivilDate date;
  auto day = digits(2);
  if (!day || !dot()) return std::nullopt;
  auto month = digits(2);
  if (!month || !dot()) return std::nullopt;
  date.day = *day;
  date.month = *month;
  date.year = this_year;
  if (!text.empty()) {
    if (text.size() != 2) return std::nullopt;
    auto year = digits(2);
    if (!year) return std::nullopt;
    date.year = 2000 + *year;
  }
  if (!IsValidDate(date)) return std::nullopt;
  return date;
}

// The stored offset of a place in whole minutes; nullopt when it does not
// fit 32 bits (no dialog stores such an offset, but a file is read as it
// stands).
std::optional<int64_t> StoredOffset(const TAusgabetextobject& e) {
  long double minutes = WorldTimeMinutes(e.record.Factor());
  if (!(minutes >= INT32_MIN && minutes <= INT32_MAX)) return std::nullopt;
  return static_cast<int64_t>(minutes);
}

int64_t RoundedMinutes(int32_t seconds) { return FloorDiv(int64_t{seconds} + 30, 60); }

// "hh:mm": two digits at least for each part. A time that one day
// correction cannot bring into the day (a negative entry of more than a
// day, offsets more than a day apart) is written as the distance from the
// marked day's midnight: hours beyond 23 as they come, and a time before
// that midnight as "-" and the distance, so that no "0-6:-30" arises.
std::string ClockText(int64_t n) {
  std::string sign;
  if (n < 0) {
    sign = "-";
    n = -n;
  }
  int64_t hours = n / 60;
  int64_t minutes = n - 60 * hours;
  std::string h = std::to_string(hours);
  std::string m = std::to_string(minutes);
  if (hours < 10) h = "0" + h;
  if (minutes < 10) m = "0" + m;
  return sign + h + ":" + m;
}

using OffsetOf = std::function<std::optional<int64_t>(const TAusgabetextobject&)>;

// Both texts of every place for the clock time t (minutes after the
// entered day's midnight) at a source of offset `source_offset` minutes.
ConversionResult WriteClockTimes(UnitList& units, int64_t t, int64_t source_offset, const OffsetOf& offset_of) {
  int64_t universal = t - source_offset;
  for (TAusgabetextobject& e : units) {
    std::optional<int64_t> offset = offset_of(e);
    if (!offset) return Overflowed();
    int64_t n = *offset + universal;
    const char* mark = "";
    if (n >= 1440) {
      n -= 1440;
      mark = kNextDayMark;
    }
    if (n < 0) {
      n += 1440;
      mark = kPreviousDayMark;
    }
    std::string text = ClockText(n) + mark;
    if (text.size() > 15) text.resize(15);
    e.scientific_text = text;
    e.float_text = text;
  }
  return {ConversionStatus::Done, {}};
}

}  // namespace

ConversionResult ConvertWorldTime(UnitList& units, size_t source, const std::string& entry) {
  std::optional<int64_t> t = ReadClockTime(entry);
  if (!t) return Bad(kBadTimeMessage);
  if (units.empty()) return {ConversionStatus::Done, {}};
  std::optional<int64_t> source_offset = StoredOffset(units[SourceIndex(units, source)]);
  if (!source_offset) return Overflowed();
  return WriteClockTimes(units, *t, *source_offset, StoredOffset);
}

std::string ZoneNameOf(const UnitRecord& record) {
  std::string name = TrimRightBlanks(FieldText(record.spare_text_1));
  return IsSafeZoneName(name) ? name : "";
}

std::string ZoneStandOf(const UnitRecord& record) { return TrimRightBlanks(FieldText(record.spare_text_2)); }

std::string PlacesStand(const UnitList& places) {
  std::map<std::string, int> count;
  std::string most;
  for (const TAusgabetextobject& e : places) {
    std::string stand = ZoneStandOf(e.record);
    if (!stand.empty() && ++count[stand] > count[most]) most = stand;
  }
  return most;
}

void ReadZonesAhead(ZoneCache& zones, const std::string& file) {
  try {
    RecordFile places = RecordFile::Open(file, kRecordSize, false);
    UnitRecord record;
    while (!places.AtEnd()) {
      places.Read(&record);
      std::string name = ZoneNameOf(record);
      if (!name.empty()) zones.Find(name);
    }
    places.Close();
  } catch (const IoError&) {
  }
}

const TimeZone* ZoneOf(const TAusgabetextobject& place, ZoneCache& zones) {
  std::string name = ZoneNameOf(place.record);
  return name.empty() ? nullptr : zones.Find(name);
}

ConversionResult ConvertWorldTimeOnDate(UnitList& units, size_t source, const std::string& entry,
                                        const CivilDate& today, ZoneCache& zones) {
  // "hh:mm", then a blank and the date; without the date the time alone.
  std::string_view time_text = entry;
  std::optional<CivilDate> date = today;
  size_t colon = entry.find(':');
  if (colon == std::string::npos) return Bad(kBadTimeOrDateMessage);
  size_t minutes_start = entry.find_first_not_of(' ', colon + 1);
  size_t blank = minutes_start == std::string::npos ? std::string::npos : entry.find(' ', minutes_start);
  if (blank != std::string::npos) {
    size_t date_start = entry.find_first_not_of(' ', blank);
    size_t date_end = entry.find_last_not_of(' ');
    if (date_start != std::string::npos) {
      time_text = std::string_view(entry).substr(0, blank);
      date = ReadDate(std::string_view(entry).substr(date_start, date_end + 1 - date_start), today.year);
    }
  }
  std::optional<int64_t> t = ReadClockTime(time_text);
  if (!t || !date) return Bad(kBadTimeOrDateMessage);
  if (units.empty()) return {ConversionStatus::Done, {}};

  const int64_t midnight = DaysFromCivil(*date) * 1440;
  const TAusgabetextobject& from = units[SourceIndex(units, source)];
  std::optional<int64_t> source_offset;
  if (const TimeZone* zone = ZoneOf(from, zones))
    source_offset = RoundedMinutes(zone->OffsetAtLocal((midnight + *t) * 60));
  else
    source_offset = StoredOffset(from);
  if (!source_offset) return Overflowed();
  const int64_t universal = midnight + *t - *source_offset;
  return WriteClockTimes(units, *t, *source_offset, [&](const TAusgabetextobject& e) -> std::optional<int64_t> {
    if (const TimeZone* zone = ZoneOf(e, zones)) return RoundedMinutes(zone->OffsetAt(universal * 60));
    return StoredOffset(e);
  });
}

}  // namespace mensurio
