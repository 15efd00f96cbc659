// Hiding single units of an area and showing them again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "messages.h"
#include "unitlist.h"
#include "unitrecord.h"

namespace mensurio {

// The visible byte of one record, changed in place (the file opened,
// sought, read, sought, written, flushed, closed). Catches nothing: a
// failure throws IoError.
void SetVisibleInFile(const std::string& file, int32_t record_number, uint8_t visible);

// Hides entry `index` (< units.size()) of the list of area 1..47: visible := 0
// in its record in the data file, then the entry leaves the list. Returns
// the line to select next (the one above, or 0). Catches nothing: an
// IoError reaches the caller with the list unchanged.
size_t HideUnit(int area, UnitList& units, size_t index);

// One line of the list of hidden units: its record number in the file.
struct TDatenobject {
  int32_t record_number = 0;
};

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

// visible := 1 for the records, within one opening of the file. A failure
// shows ReportRewriteFailure; records written before it stay shown.
// Returns success.
bool ReshowUnits(int area, const std::vector<int32_t>& record_numbers, MessageBoxes& boxes);

// The record numbers of all lines (for "Alle Einheiten einblenden").
std::vector<int32_t> RecordNumbers(const std::vector<HiddenUnitLine>& lines);

}  // namespace mensurio
