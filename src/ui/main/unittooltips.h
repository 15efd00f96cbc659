// Each row of the unit list shows, as its tooltip, what the area file knows
// of the unit beyond the row: symbol, other name, field of use, and for
// currencies and places the date or summer time and the value text.
#pragma once

namespace mensurio::ui {

class TMyWindow;

void ShowUnitDetailsAsToolTips(TMyWindow& window);

}  // namespace mensurio::ui
