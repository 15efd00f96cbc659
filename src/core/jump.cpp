#include "jump.h"

#include "catalogue.h"
#include "maintenance.h"

namespace mensurio {
namespace {

bool OriginSwitchedOff(const OriginFlags& flags, int origin) {
  return origin >= 1 && origin <= kOriginCount && flags[static_cast<size_t>(origin)] == 0;
}

}  // namespace

JumpAnswer ConfirmJump(const TSuchobjekt& hit, OriginFlags& origin_visible, MessageBoxes& boxes) {
  bool go = true;
  if (hit.visible == 0) {
    if (boxes.AskYesNo(kJumpToHiddenUnitQuestion)) {
      const std::string file = AreaCatalogue(hit.area_index).file;
      UnitAt unit{hit.record_number, hit.name, hit.origin};
      if (!ChangeRecords(file, std::span(&unit, 1), [](UnitRecord& r) { r.visible = 1; }, boxes)) {
        boxes.Show(BoxKind::Information, FileChangedSinceSearchMessage(file));
        return JumpAnswer::FileChanged;
      }
    } else {
      go = false;
    }
  }
  if (OriginSwitchedOff(origin_visible, hit.origin)) {
    if (boxes.AskYesNo(kJumpToHiddenOriginQuestion))
      origin_visible[static_cast<size_t>(hit.origin)] = 1;
    else
      go = false;
  }
  return go ? JumpAnswer::Go : JumpAnswer::Stay;
}

std::optional<size_t> FindJumpTarget(const UnitList& units, const TSuchobjekt& hit) {
  for (size_t i = 0; i < units.size(); ++i)
    if (units[i].name() == hit.name && units[i].origin() == hit.origin) return i;
  return std::nullopt;
}

}  // namespace mensurio
