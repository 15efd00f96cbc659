// After a conversion that stopped part-way (a value beyond the range of
// double): the lines it reached hold the new value, the others and the
// source line the earlier one. The window shows neither; the texts stay
// stored as they are.
#pragma once

namespace mensurio::ui {

class TMyWindow;

void TakeAwayShownResults(TMyWindow& window);

}  // namespace mensurio::ui
