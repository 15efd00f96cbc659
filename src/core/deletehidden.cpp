#include "deletehidden.h"

#include "catalogue.h"

namespace mensurio {

RuleAnswer DeleteHiddenUnits::Ask(const UnitRecord& record) {
  return record.visible == 1 ? RuleAnswer::Write : RuleAnswer::Drop;
}

std::string DeleteHiddenQuestion(int area) {
  return std::string("Sollen die ausgeblendeten Einheiten des Gebietes \"") + AreaCatalogue(area).name +
         "\" wirklich aus der Datendatei gelöscht werden?";
}

bool DeleteHiddenUnitsOfArea(int area, MessageBoxes& boxes) {
  if (KindOfArea(area) == AreaKind::Temperature) {
    boxes.Show(BoxKind::Information, kDeleteInTemperatureRefused);
    return false;
  }
  if (!boxes.AskYesNo(DeleteHiddenQuestion(area))) return false;
  DeleteHiddenUnits rule;
  if (RewriteAreaFile(AreaCatalogue(area).file, rule, boxes))
    boxes.Show(BoxKind::Information, kHiddenUnitsDeleted);
  return true;
}

}  // namespace mensurio
