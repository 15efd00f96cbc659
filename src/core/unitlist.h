// The in-memory unit list of the current area.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "catalogue.h"
#include "messages.h"
#include "unitrecord.h"

namespace mensurio {

// One flag per origin code, index 1..91 (index 0 unused); only 1 is "shown".
using OriginFlags = std::array<uint8_t, kOriginCount + 1>;
OriginFlags AllOriginsShown();

struct TAusgabetextobject {
  UnitRecord record;
  int32_t record_number = 0;    // 0-based position in the area file at load time
  std::string scientific_text;  // Windows-1252, at most 15 characters
  std::string float_text;

  int origin() const { return record.origin; }
  std::string name() const { return FieldText(record.name); }
};

using UnitList = std::vector<TAusgabetextobject>;

// Reads every record of the file and keeps those with visible exactly 1 whose
// origin is in 1..91 and shown. On a failure the entries read so far stay and
// "Die Datei <file> konnte nicht geöffnet werden!" is shown. Grouped by
// origin unless sort_alphabetical.
UnitList LoadUnits(const std::string& file, const OriginFlags& shown, bool sort_alphabetical,
                   MessageBoxes& boxes);

// Stable grouping by origin code 1..91.
void SortUnitsByOrigin(UnitList& units);

// "Die Datei LAENGE.DAT konnte nicht geöffnet werden!"
std::string CannotOpenMessage(const std::string& file);

}  // namespace mensurio
