#include "ownunit.h"

#include "catalogue.h"
#include "numentry.h"
#include "text.h"

namespace mensurio {
namespace {

// The fields every own unit shares; the other text fields stay blank.
UnitRecord OwnRecord(const std::string& name, const std::string& symbol) {
  UnitRecord r = BlankRecord();
  r.visible = 1;
  r.origin = kOwnUnitOrigin;
  SetFieldText(r.name, name);
  SetFieldOrBlanks(r.symbol, symbol);
  return r;
}

// ReadFactorText refuses what the 6-byte real cannot hold.
std::optional<UnitRecord> WithFactor(UnitRecord r, std::optional<long double> factor) {
  if (!factor) return std::nullopt;
  r.SetFactor(*factor);
  return r;
}

template <typename Texts>
OwnUnitResult Insert(int area, const Texts& texts, MessageBoxes& boxes) {
  if (!OwnUnitsAllowed(area, boxes)) return OwnUnitResult::Refused;
  std::optional<UnitRecord> record = BuildOwnUnit(texts);
  if (!record) {
    boxes.Show(BoxKind::Information, kBadOwnFactorMessage);
    return OwnUnitResult::BadFactor;
  }
  InsertRecordSorted rule(*record);
  return RewriteAreaFile(AreaCatalogue(area).file, rule, boxes) ? OwnUnitResult::Inserted
                                                                : OwnUnitResult::Failed;
}

}  // namespace

RuleAnswer InsertRecordSorted::Ask(const UnitRecord& record) {
  if (written_ || CompareNames(FieldText(record.name), FieldText(record_.name)) < 0) return RuleAnswer::Write;
  written_ = true;
  return RuleAnswer::WriteNewFirst;
}

std::optional<UnitRecord> BuildOwnUnit(const OwnUnitTexts& texts) {
  UnitRecord r = OwnRecord(texts.name, texts.symbol);
  SetFieldOrBlanks(r.other_name, texts.other_name);
  SetFieldOrBlanks(r.field_of_use, texts.field_of_use);
  return WithFactor(r, ReadFactorText(texts.factor));
}

std::optional<UnitRecord> BuildOwnUnit(const OwnCurrencyTexts& texts) {
  UnitRecord r = OwnRecord(texts.name, texts.symbol);
  SetFieldOrBlanks(r.other_name, texts.value_text);
  SetFieldOrBlanks(r.validity, texts.date);
  return WithFactor(r, ReadFactorText(texts.factor));
}

std::optional<UnitRecord> BuildOwnUnit(const OwnWorldTimeTexts& texts) {
  UnitRecord r = OwnRecord(texts.name, texts.symbol);
  SetFieldOrBlanks(r.validity, texts.summer_time);
  return WithFactor(r, ReadMinutesAsHours(texts.minutes));
}

bool OwnUnitsAllowed(int area, MessageBoxes& boxes) {
  if (KindOfArea(area) != AreaKind::Temperature) return true;
  boxes.Show(BoxKind::Information, kInsertInTemperatureRefused);
  return false;
}

OwnUnitResult InsertOwnUnit(int area, const OwnUnitTexts& texts, MessageBoxes& boxes) {
  return Insert(area, texts, boxes);
}

OwnUnitResult InsertOwnUnit(int area, const OwnCurrencyTexts& texts, MessageBoxes& boxes) {
  return Insert(area, texts, boxes);
}

OwnUnitResult InsertOwnUnit(int area, const OwnWorldTimeTexts& texts, MessageBoxes& boxes) {
  return Insert(area, texts, boxes);
}

}  // namespace mensurio
