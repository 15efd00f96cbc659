// The four conversions of the unit list.
#pragma once

#include <string>

#include "catalogue.h"
#include "unitlist.h"

namespace mensurio {

enum class ConversionStatus {
  Done,      // every entry has its texts; the closing steps follow
  BadInput,  // nothing changed; `message` is for the input error box
  Overflow,  // stopped at a value beyond double (or a world-time offset beyond 32 bits);
             // entries not reached keep their texts
};

struct ConversionResult {
  ConversionStatus status = ConversionStatus::Done;
  std::string message;  // UTF-8
};

constexpr const char* kBadInputMessage = "Falsche Eingabe im Werteingabeld! Bitte ändern! ";
constexpr const char* kBadTimeMessage =
    "Falsche Eingabe im Werteingabeld! Uhrzeit im Format >> hh:mm << eingeben!";
constexpr const char* kOverflowMessage = "Überlauf bei Gleitkomma-Operation";
constexpr const char* kUnknownText = " unbekannt";

// `entry` is the text of the value entry (Windows-1252), `source` the index
// of the selected entry of `units` (an index beyond the list means entry 0).
// The entry is checked first; an empty list is then left alone with status
// Done (the command starts no conversion for an empty list).
ConversionResult ConvertByFactor(UnitList& units, size_t source, const std::string& entry);
ConversionResult ConvertCurrency(UnitList& units, size_t source, const std::string& entry);
ConversionResult ConvertTemperature(UnitList& units, size_t source, const std::string& entry);
ConversionResult ConvertWorldTime(UnitList& units, size_t source, const std::string& entry);

// The procedure of the kind of area.
ConversionResult Convert(AreaKind kind, UnitList& units, size_t source, const std::string& entry);

}  // namespace mensurio
