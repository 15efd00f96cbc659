// Own units: the records the three insert dialogs build and their insertion
// in name order. Every text is Windows-1252, as typed into the dialog.
#pragma once

#include <optional>
#include <string>

#include "maintenance.h"
#include "messages.h"
#include "unitrecord.h"

namespace mensurio {

// Writes the new record in front of the first record whose name compares
// equal or greater (CompareNames), or at the end.
class InsertRecordSorted : public RewriteRule {
 public:
  explicit InsertRecordSorted(const UnitRecord& record) : record_(record) {}
  RuleAnswer Ask(const UnitRecord& record) override;
  const UnitRecord* NewRecord() const override { return &record_; }
  const UnitRecord* FinalRecord() const override { return written_ ? nullptr : &record_; }

 private:
  UnitRecord record_;
  bool written_ = false;
};

// The dialog for every area but "Währungen" and "Weltzeit".
struct OwnUnitTexts {
  std::string name;          // "Name der Einheit:"
  std::string symbol;        // "Kurzzeichen:"
  std::string other_name;    // "Weiterer Name:"
  std::string field_of_use;  // "Einsatzgebiet:"
  std::string factor;        // the factor in the base unit
};

// The currency dialog.
struct OwnCurrencyTexts {
  std::string name;        // "Name der Währung:"
  std::string symbol;      // "Kurzzeichen:"
  std::string value_text;  // "Wert bwz. ca.Wert:" (kept in other_name)
  std::string date;        // "Stand (Datum):" (kept in validity)
  std::string factor;      // the value in DM
};

// The world-time dialog.
struct OwnWorldTimeTexts {
  std::string name;         // "Name der Einheit:"
  std::string symbol;       // "Kurzzeichen:"
  std::string summer_time;  // "Sommerzeit (von..bis):" (kept in validity)
  std::string minutes;      // "Zeitdifferenz zur Weltzeit in Minuten:"
};

constexpr const char* kBadOwnFactorMessage =
    "Falsche oder keine Angabe im Feld \"Umrechnungsfaktor\"! Bitte ändern!";
constexpr const char* kInsertInTemperatureRefused =
    "Beim Gebiet \"Temperatur\" können keine eigenen Einheiten eingefügt werden!";

// The complete new record (origin 4, visible 1, empty texts as blanks but
// the name never padded); nullopt when the factor text does not read as a
// number the 6-byte real can hold.
std::optional<UnitRecord> BuildOwnUnit(const OwnUnitTexts& texts);
std::optional<UnitRecord> BuildOwnUnit(const OwnCurrencyTexts& texts);
std::optional<UnitRecord> BuildOwnUnit(const OwnWorldTimeTexts& texts);

// False, after an information box, for "Temperatur", whose conversion
// finds its scales by record number. The command asks before it opens a
// dialog.
bool OwnUnitsAllowed(int area, MessageBoxes& boxes);

enum class OwnUnitResult {
  BadFactor,  // kBadOwnFactorMessage shown; the dialog stays open, focus to the factor
  Refused,    // the area takes no own units (box shown)
  Inserted,   // the dialog closes and the list is reloaded
  Failed,     // ReportRewriteFailure shown; the dialog closes and the list is reloaded all the same
};

// The OK button of the three dialogs for area 1..47.
OwnUnitResult InsertOwnUnit(int area, const OwnUnitTexts& texts, MessageBoxes& boxes);
OwnUnitResult InsertOwnUnit(int area, const OwnCurrencyTexts& texts, MessageBoxes& boxes);
OwnUnitResult InsertOwnUnit(int area, const OwnWorldTimeTexts& texts, MessageBoxes& boxes);

}  // namespace mensurio
