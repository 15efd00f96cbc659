#include "tzif.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>

namespace mensurio {
namespace {

constexpr size_t kHeaderSize = 44;
constexpr size_t kLargestFile = 1 << 20;  // real zone files stay below 4 KB
constexpr uint32_t kMostEntries = 1 << 16;

class BigEndian {
 public:
  explicit BigEndian(std::string_view bytes) : s_(bytes) {}
  bool Has(size_t n) const { return n <= s_.size() - pos_; }
  void Skip(size_t n) { pos_ += n; }
  size_t position() const { return pos_; }
  uint8_t Byte() { return static_cast<uint8_t>(s_[pos_++]); }
  int64_t Signed(size_t width) {
    uint64_t v = 0;
    for (size_t i = 0; i < width; ++i) v = v << 8 | Byte();
    if (width < 8 && (v >> (8 * width - 1)) != 0) v |= ~uint64_t{0} << (8 * width);
    return static_cast<int64_t>(v);
  }
  uint32_t Count() { return static_cast<uint32_t>(Signed(4)); }
  std::string_view Rest() const { return s_.substr(pos_); }

 private:
  std::string_view s_;
  size_t pos_ = 0;
};

struct Counts {
  uint32_t isut, isstd, leap, time, type, chars;
  size_t DataSize(size_t time_width) const {
    return size_t{time} * time_width + time + size_t{type} * 6 + chars + size_t{leap} * (time_width + 4) +
           isstd + isut;
  }
};

std::optional<Counts> ReadHeader(BigEndian& in, char& version) {
  if (!in.Has(kHeaderSize)) return std::nullopt;
  std::string_view magic = in.Rest().substr(0, 4);
  if (magic != "TZif") return std::nullopt;
  in.Skip(4);
  version = static_cast<char>(in.Byte());
  in.Skip(15);
  Counts c{in.Count(), in.Count(), in.Count(), in.Count(), in.Count(), in.Count()};
  for (uint32_t n : {c.isut, c.isstd, c.leap, c.time, c.type, c.chars})
    if (n > kMostEntries) return std::nullopt;
  if (c.type == 0 || (c.isut != 0 && c.isut != c.type) || (c.isstd != 0 && c.isstd != c.type)) return std::nullopt;
  return c;
}

}  // namespace

std::optional<TimeZone> TimeZone::Parse(std::string_view bytes) {
  BigEndian in(bytes);
  char version = 0;
  auto counts = ReadHeader(in, version);
  if (!counts) return std::nullopt;
  size_t width = 4;
  if (version != 0) {
    // Version 2 and later repeat the data with 64-bit times, then the rule.
    if (!in.Has(counts->DataSize(4))) return std::nullopt;
    in.Skip(counts->DataSize(4));
    char again = 0;
    counts = ReadHeader(in, again);
    if (!counts) return std::nullopt;
    width = 8;
  }
  if (!in.Has(counts->DataSize(width))) return std::nullopt;
  TimeZone zone;
  for (uint32_t i = 0; i < counts->time; ++i) {
    int64_t t = in.Signed(width);
    if (!zone.changes_.empty() && t <= zone.changes_.back()) return std::nullopt;
    zone.changes_.push_back(t);
  }
  for (uint32_t i = 0; i < counts->time; ++i) {
    uint8_t type = in.Byte();
    if (type >= counts->type) return std::nullopt;
    zone.type_after_.push_back(type);
  }
  for (uint32_t i = 0; i < counts->type; ++i) {
    int64_t offset = in.Signed(4);
    in.Skip(2);  // summer-time flag and abbreviation index
    if (offset < -25 * 3600 || offset > 26 * 3600) return std::nullopt;
    zone.offsets_.push_back(static_cast<int32_t>(offset));
  }
  in.Skip(counts->DataSize(width) - counts->time * (width + 1) - counts->type * 6);
  if (width == 8) {
    std::string_view footer = in.Rest();
    if (footer.size() < 2 || footer.front() != '\n') return std::nullopt;
    size_t end = footer.find('\n', 1);
    if (end == std::string_view::npos) return std::nullopt;
    std::string_view text = footer.substr(1, end - 1);
    if (!text.empty()) {
      zone.rule_ = TzRule::Parse(text);
      if (!zone.rule_) return std::nullopt;
    }
  }
  return zone;
}

int32_t TimeZone::OffsetAt(int64_t utc) const {
  if (changes_.empty()) return rule_ ? rule_->OffsetAt(utc) : offsets_.front();
  if (utc < changes_.front()) return offsets_.front();
  if (utc >= changes_.back() && rule_) return rule_->OffsetAt(utc);
  size_t after = static_cast<size_t>(std::upper_bound(changes_.begin(), changes_.end(), utc) - changes_.begin());
  return offsets_[type_after_[after - 1]];
}

int32_t TimeZone::OffsetAtLocal(int64_t local) const {
  // Offsets lie within a day of universal time, so the offsets a day before
  // and a day after are those on either side of any change near `local`.
  int32_t before = OffsetAt(local - 86400);
  int32_t after = OffsetAt(local + 86400);
  if (OffsetAt(local - before) == before) return before;
  if (OffsetAt(local - after) == after) return after;
  return before;
}

bool IsSafeZoneName(std::string_view name) {
  if (name.empty() || name.size() > 255) return false;
  size_t part_start = 0;
  for (size_t i = 0; i <= name.size(); ++i) {
    if (i == name.size() || name[i] == '/') {
      std::string_view part = name.substr(part_start, i - part_start);
      if (part.empty() || part == "." || part == "..") return false;
      part_start = i + 1;
      continue;
    }
    char c = name[i];
    bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
              c == '+' || c == '-';
    if (!ok) return false;
  }
  return true;
}

std::optional<TimeZone> LoadTimeZone(const std::string& dir, std::string_view name) {
  if (!IsSafeZoneName(name)) return std::nullopt;
  std::string path = dir + "/" + std::string(name);
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return std::nullopt;
  struct stat st;
  std::string bytes;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && static_cast<size_t>(st.st_size) <= kLargestFile) {
    bytes.resize(static_cast<size_t>(st.st_size));
    size_t got = 0;
    while (got < bytes.size()) {
      ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      got += static_cast<size_t>(n);
    }
    bytes.resize(got);
  }
  ::close(fd);
  if (bytes.empty()) return std::nullopt;
  return TimeZone::Parse(bytes);
}

std::string SystemZoneDirectory() {
  const char* dir = std::getenv("TZDIR");
  return dir && *dir ? dir : "/usr/share/zoneinfo";
}

std::string ZoneDatabaseVersion(const std::string& dir) {
  std::ifstream in(dir + "/tzdata.zi");
  std::string line;
  if (!in || !std::getline(in, line) || line.rfind("# version ", 0) != 0) return "";
  std::string version = line.substr(10);
  bool sound = !version.empty() && version.size() <= 8 &&
               std::all_of(version.begin(), version.end(), [](char c) {
                 return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z');
               });
  return sound ? version : "";
}

const TimeZone* ZoneCache::Find(std::string_view name) {
  auto it = zones_.find(name);
  if (it == zones_.end()) it = zones_.emplace(std::string(name), LoadTimeZone(dir_, name)).first;
  return it->second ? &*it->second : nullptr;
}

}  // namespace mensurio
