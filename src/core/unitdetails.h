// What the area file knows of a unit beyond what its list row shows: the
// symbol, the other name, the field of use, and for currencies and places
// the date or summer-time text and the value text.
#pragma once

#include <string>

#include "catalogue.h"
#include "unitrecord.h"

namespace mensurio {

// One line per field that holds more than blanks, "caption: text", joined by
// '\n'; empty when the record holds none of them. UTF-8, plain text.
std::string UnitDetails(const UnitRecord& record, AreaKind kind);

}  // namespace mensurio
