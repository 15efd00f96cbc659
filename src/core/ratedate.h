// Calendar dates of the exchange rates: the "Stand TT.MM.JJJJ" texts of the
// currency records and the age of the rates shown beside the list.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "unitlist.h"

namespace mensurio {

using Date = std::chrono::year_month_day;

// "05.12.2026".
std::string GermanDate(Date date);
// "5.12.2026" or "05.12.2026"; nullopt for anything else or a day the
// calendar does not have.
std::optional<Date> ReadGermanDate(std::string_view text);

// The validity text of an imported rate: "Stand 05.12.2026".
std::string StandText(Date date);

// The date of a record's "Stand TT.MM.JJJJ" validity text; nullopt for
// any other text.
std::optional<Date> StandOf(const UnitRecord& record);

// The newest date among the "Stand ..." texts of the entries; fixed rates
// ("fest seit ...") and other texts do not count.
std::optional<Date> NewestStand(const UnitList& units);

// Two lines for the main window: "Kurse: Stand 29.12.2023" and the age
// against today ("1.075 Tage alt", "1 Tag alt", "von heute"; a date after
// today reads "Datum liegt in der Zukunft"). UTF-8.
std::string RateAgeText(Date stand, Date today);

}  // namespace mensurio
