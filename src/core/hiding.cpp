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

void SetVisibleInFile(const std::string& file, int32_t record_number, uint8_t visible) {
  ChangeRecords(file, std::span(&record_number, 1), SetVisible(visible));
}

size_t HideUnit(int area, UnitList& units, size_t index) {
  SetVisibleInFile(AreaCatalogue(area).file, units.at(index).record_number, 0);
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
      if (r.visible == 0) hidden.lines.push_back({HiddenUnitLineText(r), {n}});
    }
    f.Close();
  } catch (const IoError&) {
    boxes.Show(BoxKind::Error, CannotOpenMessage(file));
    hidden.read_failed = true;
  }
  return hidden;
}

bool ReshowUnits(int area, const std::vector<int32_t>& record_numbers, MessageBoxes& boxes) {
  return UpdateRecordsInPlace(AreaCatalogue(area).file, record_numbers, SetVisible(1), boxes);
}

std::vector<int32_t> RecordNumbers(const std::vector<HiddenUnitLine>& lines) {
  std::vector<int32_t> numbers;
  for (const HiddenUnitLine& line : lines) numbers.push_back(line.object.record_number);
  return numbers;
}

}  // namespace mensurio
