// The readable source form of an area file: one unit a line,
//
//   visible | origin | symbol | name | factor | other_name | validity |
//   field_of_use | approx_value | check | source [| raw=HEX]
//
// in UTF-8. Lines starting with '#' and empty lines are comments. A field is
// taken with its surrounding blanks removed; a field that must keep blanks or
// holds '|' is written in double quotes ("\"" and "\\" inside). Empty text
// fields are stored as blanks, as the program's writers do. The factor is a
// number or an arithmetic expression (+ - * / ^ and parentheses). `check` is
// what the data tests compare the factor with (a GNU units expression with an
// optional "~tolerance", a time-zone name for world time, the scale for
// temperatures); `source` says where the value comes from. Neither is stored,
// except in world time, where the program reads both: the zone name goes
// into spare_text_1 and the "tzdata 2026f" (or "Stand TT.MM.JJJJ") that
// `source` names first into spare_text_2, the state of the place's data.
// `raw=` holds all 258 bytes of a record that the fields cannot express
// (written by the decompiler only) and then wins over the fields.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "unitrecord.h"

namespace mensurio::datasource {

struct SourceError : std::runtime_error {
  SourceError(int line, std::string field, const std::string& what)
      : std::runtime_error(what), line(line), field(std::move(field)) {}
  int line;
  std::string field;
};

struct SourceUnit {
  UnitRecord record;
  std::string check;   // UTF-8
  std::string source;  // UTF-8
  int line = 0;
};

// Parses a whole source text; throws SourceError at the first fault.
std::vector<SourceUnit> ParseSource(const std::string& text, bool world_time = false);

// One source line for a record (the decompiler's output), with a check text;
// in world time the check and source columns come from the record.
std::string FormatLine(const UnitRecord& record, const std::string& check = "", bool world_time = false);

// Evaluates a factor expression; nullopt when it is not one.
std::optional<long double> EvaluateFactor(const std::string& text);

// The shortest decimal text that stores the same Real48 bytes.
std::string FactorText(const UnitRecord& record);

}  // namespace mensurio::datasource
