// Time zones of the system's time-zone database: the TZif files below
// /usr/share/zoneinfo (or $TZDIR), one a zone, named like "Europe/Berlin".
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tzrule.h"

namespace mensurio {

class TimeZone {
 public:
  // A TZif file of any version; nullopt when the bytes are not a sound one.
  static std::optional<TimeZone> Parse(std::string_view bytes);

  // The offset from universal time, in seconds east, at a universal instant
  // (seconds since 1970-01-01 00:00 UTC).
  int32_t OffsetAt(int64_t utc) const;

  // The offset in force at a local clock time (seconds since 1970-01-01
  // 00:00 on the local clock). A time the clock passes twice when it is set
  // back counts as the first; a time it skips when it is set forward counts
  // with the offset before the change (02:30 on the day summer time begins
  // at 02:00 is 03:30 summer time).
  int32_t OffsetAtLocal(int64_t local) const;

 private:
  std::vector<int64_t> changes_;     // universal instants, ascending
  std::vector<uint8_t> type_after_;  // the local time type from each change on
  std::vector<int32_t> offsets_;     // offset of each local time type
  std::optional<TzRule> rule_;       // after the last change
};

// A name that stays inside the database directory: letters, digits, '_',
// '+', '-' and '/' between parts, no "." or ".." part, not absolute.
bool IsSafeZoneName(std::string_view name);

// The zone `name` of the database in `dir`; nullopt for an unsafe name, a
// path that is not a regular file, or a file that is not sound TZif.
std::optional<TimeZone> LoadTimeZone(const std::string& dir, std::string_view name);

// $TZDIR when set, else /usr/share/zoneinfo.
std::string SystemZoneDirectory();

// The version of the database in `dir` ("2025b"), from its tzdata.zi; empty
// when it does not say.
std::string ZoneDatabaseVersion(const std::string& dir);

// The zones of one database directory, each read once when first asked for.
class ZoneCache {
 public:
  explicit ZoneCache(std::string dir = SystemZoneDirectory()) : dir_(std::move(dir)) {}
  // nullptr when the database has no sound zone of that name.
  const TimeZone* Find(std::string_view name);
  const std::string& directory() const { return dir_; }

 private:
  std::string dir_;
  std::map<std::string, std::optional<TimeZone>, std::less<>> zones_;
};

}  // namespace mensurio
