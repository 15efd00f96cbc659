#include "reloadarea.h"

#include "tmywindow.h"

namespace mensurio::ui {

void ReloadKeepingSelection(TMyWindow& w) {
  int index = w.SelectedIndex();
  int32_t record = index < 0 ? -1 : w.units[static_cast<size_t>(index)].record_number;
  w.results_valid = false;
  w.ClearSourceUnit();
  w.LoadUnits();
  w.FillUnitList();
  for (size_t row = 0; row < w.units.size(); ++row)
    if (w.units[row].record_number == record) w.SelectRow(static_cast<int>(row));
  w.ShowSelectedUnit();
}

}  // namespace mensurio::ui
