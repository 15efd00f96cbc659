// Hiding single units of an area and showing them again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "maintenance.h"
#include "messages.h"
#include "unitlist.h"
#include "unitrecord.h"

namespace mensurio {

// Where the entry's record stands and what must still stand there.
UnitAt UnitAtOf(const TAusgabetextobject& entry);

// Hides entry `index` (< units.size()) of the list of area 1..47: visible := 0
// in its record in the data file, then the entry leaves the list. Returns
// the line to select next (the one above, or 0); nullopt, with nothing
// written and FileChangedMessage shown, when the record no longer holds the
// entry's unit (the caller reloads the list). Catches no input/output
// failure: an IoError reaches the caller with the list unchanged.
std::optional<size_t> HideUnit(int area, UnitList& units, size_t index, MessageBoxes& boxes);

// One line of the list of hidden units: its record number in the file, with
// the name and origin that must still stand there when it is re-shown.
using TDatenobject = UnitAt;

struct HiddenUnitLine {
  std::string text;  // Windows-1252: "name - origin"
  TDatenobject object;
};

struct HiddenUnits {
  std::vector<HiddenUnitLine> lines;  // in file order
  bool read_failed = false;           // the box has been shown; the lines read so far stay
};

// "Meile - USA": the name without trailing blanks, " - ", the origin name.
std::string HiddenUnitLineText(const UnitRecord& record);

// The records of area 1..47 whose visible byte is exactly 0. A file that
// cannot be opened or read shows "Die Datei <file> konnte nicht geöffnet
// werden!".
HiddenUnits ListHiddenUnits(int area, MessageBoxes& boxes);

// visible := 1 for the records, within one opening of the file (see
// UpdateRecordsInPlace: a failure keeps the records written before it; a
// record that no longer holds its unit writes nothing at all).
InPlaceResult ReshowUnits(int area, const std::vector<TDatenobject>& units, MessageBoxes& boxes);

}  // namespace mensurio
