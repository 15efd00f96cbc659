#include "failedconversion.h"

#include "tmywindow.h"
#include "unitrow.h"

namespace mensurio::ui {

void TakeAwayShownResults(TMyWindow& w) {
  w.results_valid = false;
  w.ClearSourceUnit();
  w.ListBoxEinheit->viewport()->update();
}

}  // namespace mensurio::ui
