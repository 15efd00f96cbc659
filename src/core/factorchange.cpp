#include "factorchange.h"

#include <optional>

#include "catalogue.h"
#include "hiding.h"
#include "maintenance.h"
#include "numentry.h"

namespace mensurio {
namespace {

// Writes the file first; the entry follows only when that worked. `factor`
// is nullopt for a text that did not read (ReadFactorText also refuses what
// the 6-byte real cannot hold, so storing it cannot fail).
FactorChangeResult Apply(int area, TAusgabetextobject& entry, std::optional<long double> factor,
                         const RecordChange& change_texts, MessageBoxes& boxes) {
  if (!factor) {
    boxes.Show(BoxKind::Information, kBadFactorEntryMessage);
    return FactorChangeResult::BadInput;
  }
  RecordChange change = [&](UnitRecord& r) {
    r.SetFactor(*factor);
    if (change_texts) change_texts(r);
  };
  switch (UpdateRecordInPlace(AreaCatalogue(area).file, UnitAtOf(entry), change, boxes)) {
    case InPlaceResult::Failed: return FactorChangeResult::Failed;
    case InPlaceResult::FileChanged: return FactorChangeResult::FileChanged;
    case InPlaceResult::Saved: break;
  }
  change(entry.record);
  return FactorChangeResult::Changed;
}

}  // namespace

FactorChangeResult ChangeFactor(int area, TAusgabetextobject& entry, const std::string& factor_text,
                                MessageBoxes& boxes) {
  return Apply(area, entry, ReadFactorText(factor_text), nullptr, boxes);
}

FactorChangeResult ChangeCurrencyFactor(int area, TAusgabetextobject& entry, const std::string& factor_text,
                                        const std::string& validity, const std::string& approx_value,
                                        MessageBoxes& boxes) {
  return Apply(
      area, entry, ReadFactorText(factor_text),
      [&](UnitRecord& r) {
        SetFieldOrBlanks(r.validity, validity);
        SetFieldOrBlanks(r.approx_value, approx_value);
      },
      boxes);
}

FactorChangeResult ChangeWorldTimeFactor(int area, TAusgabetextobject& entry, const std::string& minutes_text,
                                         const std::string& summer_time, MessageBoxes& boxes) {
  return Apply(
      area, entry, ReadMinutesAsHours(minutes_text),
      [&](UnitRecord& r) { SetFieldOrBlanks(r.validity, summer_time); }, boxes);
}

}  // namespace mensurio
