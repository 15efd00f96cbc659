#include "unitlist.h"

#include <algorithm>

#include "ioerror.h"
#include "recordfile.h"

namespace mensurio {
namespace {

// Room for a whole area file of the program; a longer file (hidden records
// or not) grows the list as it is read instead of claiming its size at once.
constexpr size_t kReserveUnits = 1024;

}  // namespace

OriginFlags AllOriginsShown() {
  OriginFlags f;
  f.fill(1);
  f[0] = 0;
  return f;
}

std::string CannotOpenMessage(const std::string& file) {
  return "Die Datei " + file + " konnte nicht geöffnet werden!";
}

UnitList LoadUnits(const std::string& file, const OriginFlags& shown, bool sort_alphabetical,
                   MessageBoxes& boxes) {
  UnitList units;
  try {
    RecordFile f = RecordFile::Open(file, kRecordSize, false);
    int32_t n = f.Count();
    units.reserve(std::min<size_t>(static_cast<size_t>(n), kReserveUnits));
    UnitRecord r;
    for (int32_t i = 0; i < n; ++i) {
      f.Read(&r);
      if (r.visible == 1 && r.origin >= 1 && r.origin <= kOriginCount && shown[r.origin] == 1)
        units.push_back(TAusgabetextobject{r, i, {}, {}});
    }
    f.Close();
  } catch (const IoError&) {
    boxes.Show(BoxKind::Error, CannotOpenMessage(file));
  }
  if (!sort_alphabetical) SortUnitsByOrigin(units);
  return units;
}

void SortUnitsByOrigin(UnitList& units) {
  std::stable_sort(units.begin(), units.end(),
                   [](const TAusgabetextobject& a, const TAusgabetextobject& b) {
                     return a.record.origin < b.record.origin;
                   });
}

}  // namespace mensurio
