// Building records and area files for tests.
#pragma once

#include <string>
#include <vector>

#include "unitrecord.h"

namespace mensurio::testing {

inline UnitRecord MakeRecord(const std::string& name, int origin, long double factor, int visible = 1) {
  UnitRecord r = BlankRecord();
  r.visible = static_cast<uint8_t>(visible);
  r.origin = static_cast<uint8_t>(origin);
  SetFieldText(r.name, name);
  r.SetFactor(factor);
  return r;
}

inline std::string FileBytes(const std::vector<UnitRecord>& records) {
  std::string bytes;
  for (const UnitRecord& r : records) bytes.append(reinterpret_cast<const char*>(&r), sizeof r);
  return bytes;
}

}  // namespace mensurio::testing
