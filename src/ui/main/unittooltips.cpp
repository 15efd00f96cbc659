#include "unittooltips.h"

#include "qttext.h"
#include "summertime.h"
#include "tmywindow.h"
#include "unitdetails.h"
#include "unitrow.h"

namespace mensurio::ui {

void ShowUnitDetailsAsToolTips(TMyWindow& window) {
  window.ListBoxEinheit->SetToolTipSource([&window](int row) -> QString {
    if (row < 0 || row >= static_cast<int>(window.units.size())) return {};
    const TAusgabetextobject& unit = window.units[static_cast<size_t>(row)];
    std::string details = UnitDetails(unit.record, KindOfArea(window.area_index));
    std::string fallback = window.summer_time->FallbackNote(unit);
    if (!fallback.empty()) details += (details.empty() ? "" : "\n") + fallback;
    // The texts are data: shown as they stand, never read as markup.
    return details.empty() ? QString() : PlainTextToolTip(FromUtf8(details));
  });
}

}  // namespace mensurio::ui
