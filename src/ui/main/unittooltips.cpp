#include "unittooltips.h"

#include <QTextDocument>

#include "qttext.h"
#include "tmywindow.h"
#include "unitdetails.h"
#include "unitrow.h"

namespace mensurio::ui {

void ShowUnitDetailsAsToolTips(TMyWindow& window) {
  window.ListBoxEinheit->SetToolTipSource([&window](int row) -> QString {
    if (row < 0 || row >= static_cast<int>(window.units.size())) return {};
    std::string details = UnitDetails(window.units[static_cast<size_t>(row)].record, KindOfArea(window.area_index));
    // The texts are data: shown as they stand, never read as markup.
    return details.empty() ? QString() : Qt::convertFromPlainText(FromUtf8(details), Qt::WhiteSpacePre);
  });
}

}  // namespace mensurio::ui
