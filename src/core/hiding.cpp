#include "hiding.h"

#include "catalogue.h"
#include "ioerror.h"
#include "maintenance.h"
#include "recordfile.h"
#include "text.h"

namespace mensurio {
namespace {

RecordChange SetVisible(uint8_t visible) {
  return [visible](UnitRecord& r) { r.visible = visible; };
}

}  // namespace

UnitAt UnitAtOf(const TAusgabetextobject& entry) {
  return {entry.record_number, entry.name(), entry.origin()};
}

std::optional<size_t> HideUnit(int area, UnitList& units, size_t index, MessageBoxes& boxes) {
  const std::string file = AreaCatalogue(area).file;
  UnitAt unit = UnitAtOf(units.at(index));
  if (!ChangeRecords(file, std::span(&unit, 1), SetVisible(0), boxes)) {
    boxes.Show(BoxKind::Information, FileChangedMessage(file));
    return std::nullopt;
  }
  units.erase(units.begin() + static_cast<std::ptrdiff_t>(index));
  return index > 0 ? index - 1 : 0;
}

std::string HiddenUnitLineText(const UnitRecord& record) {
  return TrimRightBlanks(FieldText(record.name)) + " - " + OriginNameCp1252(record.origin);
}

HiddenUnits ListHiddenUnits(int area, MessageBoxes& boxes) {
  const std::string file = AreaCatalogue(area).file;
  HiddenUnits hidden;
  try {
    RecordFile f = RecordFile::Open(file, kRecordSize, false);
    int32_t count = f.Count();
    UnitRecord r;
    for (int32_t n = 0; n < count; ++n) {
      f.Read(&r);
      if (r.visible == 0) hidden.lines.push_back({HiddenUnitLineText(r), {n, FieldText(r.name), r.origin}});
    }
    f.Close();
  } catch (const IoError&) {
    boxes.Show(BoxKind::Error, CannotOpenMessage(file));
    hidden.read_failed = true;
  }
  return hidden;
}

InPlaceResult ReshowUnits(int area, const std::vector<TDatenobject>& units, MessageBoxes& boxes) {
  return UpdateRecordsInPlace(AreaCatalogue(area).file, units, SetVisible(1), boxes);
}

}  // namespace mensurio
