// The age of the data at the point of use, in the information panel: while
// the currency area is listed, the newest "Stand" of the listed currencies
// and how many days lie between it and today; while world time is listed,
// the time-zone data of the places and whether summer time counts.
#pragma once

#include "ratedate.h"

namespace mensurio::ui {

class TMyWindow;

// The computer's date today.
Date Today();

// Shows or hides the panel's label "Label_Kursstand" for the window's
// current area and units.
void ShowRateStand(TMyWindow& window);

}  // namespace mensurio::ui
