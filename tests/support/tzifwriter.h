// TZif files of a test's own making, so that no test reads the machine's
// time-zone database.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace mensurio::testing {

struct TzifChange {
  int64_t at;    // universal instant
  uint8_t type;  // index into the types
};

// A TZif file: version 2 with 64-bit times and the closing rule `footer`
// (version '\0' gives a file of version 1 alone, without a rule).
inline std::string TzifBytes(const std::vector<TzifChange>& changes, const std::vector<int32_t>& offsets,
                             const std::string& footer, char version = '2') {
  auto put = [](std::string& out, int64_t v, int width) {
    for (int i = width - 1; i >= 0; --i) out += static_cast<char>((static_cast<uint64_t>(v) >> (8 * i)) & 0xFF);
  };
  auto block = [&](int width) {
    std::string out = "TZif";
    out += version;
    out += std::string(15, '\0');
    const int64_t counts[6] = {0, 0, 0, static_cast<int64_t>(changes.size()), static_cast<int64_t>(offsets.size()), 4};
    for (int64_t c : counts) put(out, c, 4);
    for (const TzifChange& c : changes) put(out, c.at, width);
    for (const TzifChange& c : changes) out += static_cast<char>(c.type);
    for (int32_t o : offsets) {
      put(out, o, 4);
      out += '\0';  // summer-time flag: not read
      out += '\0';  // abbreviation "ZZZ"
    }
    out += std::string("ZZZ\0", 4);
    return out;
  };
  if (version == '\0') return block(4);
  return block(4) + block(8) + "\n" + footer + "\n";
}

// Writes a zone file `name` below `dir`.
inline void WriteZone(const std::string& dir, const std::string& name, const std::string& bytes) {
  std::filesystem::path path = std::filesystem::path(dir) / name;
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A zone that follows `rule` all the time.
inline void WriteRuleZone(const std::string& dir, const std::string& name, const std::string& rule) {
  WriteZone(dir, name, TzifBytes({}, {0}, rule));
}

}  // namespace mensurio::testing
