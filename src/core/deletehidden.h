// "Au&sgeblendete Einheiten löschen": removing the hidden units of an area
// from its data file.
#pragma once

#include "maintenance.h"
#include "messages.h"

namespace mensurio {

// Keeps the records whose visible byte is exactly 1.
class DeleteHiddenUnits : public RewriteRule {
 public:
  RuleAnswer Ask(const UnitRecord& record) override;
};

constexpr const char* kDeleteInTemperatureRefused =
    "Beim Gebiet \"Temperatur\" können keine Einheiten gelöscht werden!";
constexpr const char* kHiddenUnitsDeleted = "Die ausgeblendeten Einheiten sind gelöscht!";

// "Sollen die ausgeblendeten Einheiten des Gebietes "Länge" wirklich aus der
// Datendatei gelöscht werden?"
std::string DeleteHiddenQuestion(int area);

// The command for area 1..47: refuses "Temperatur", asks, rewrites the file
// and reports. Returns true when the list must be reloaded, that is whenever
// the question was answered Yes, whether the rewrite succeeded or not.
bool DeleteHiddenUnitsOfArea(int area, MessageBoxes& boxes);

}  // namespace mensurio
