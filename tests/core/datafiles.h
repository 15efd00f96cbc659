// Area files for the data-maintenance tests.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "records.h"
#include "tempdir.h"
#include "unitrecord.h"

namespace mensurio::testing {

constexpr int kLaenge = 20;      // "LAENGE.DAT"
constexpr int kTemperatur = 35;  // "TEMPERA.DAT"
constexpr int kWaehrungen = 41;  // "WAEHRUNG.DAT"
constexpr int kWeltzeit = 44;    // "WELTZEIT.DAT"

// A record whose every byte without a meaning (behind the zeros of the text
// fields, the spare fields) holds a pattern no writer produces, so that a
// test sees any byte a change should have left alone.
inline UnitRecord Marked(const std::string& name, int visible = 1, int origin = 1, long double factor = 1) {
  UnitRecord r;
  auto* bytes = reinterpret_cast<unsigned char*>(&r);
  for (size_t i = 0; i < sizeof r; ++i) bytes[i] = static_cast<unsigned char>(0x80 + (i * 37) % 97);
  r.visible = static_cast<uint8_t>(visible);
  r.origin = static_cast<uint8_t>(origin);
  std::memcpy(r.name, name.c_str(), name.size() + 1);
  std::memcpy(r.symbol, "sym", 4);
  r.SetFactor(factor);
  return r;
}

inline std::string Bytes(const UnitRecord& r) {
  return std::string(reinterpret_cast<const char*>(&r), sizeof r);
}

inline std::vector<UnitRecord> Records(const std::string& file) {
  std::string bytes = ReadBytes(file);
  std::vector<UnitRecord> records(bytes.size() / sizeof(UnitRecord));
  if (!records.empty()) std::memcpy(records.data(), bytes.data(), records.size() * sizeof(UnitRecord));
  return records;
}

inline std::vector<std::string> NamesIn(const std::string& file) {
  std::vector<std::string> names;
  for (const UnitRecord& r : Records(file)) names.push_back(FieldText(r.name));
  return names;
}

using Names = std::vector<std::string>;

}  // namespace mensurio::testing
