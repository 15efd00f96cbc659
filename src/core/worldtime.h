// World time: clock times of places, by their stored offsets or, with
// summer time taken into account, by their time zones.
#pragma once

#include <string>

#include "civildate.h"
#include "conversion.h"
#include "tzif.h"
#include "unitlist.h"

namespace mensurio {

constexpr const char* kBadTimeOrDateMessage =
    "Falsche Eingabe im Werteingabeld! Uhrzeit im Format >> hh:mm << oder >> hh:mm TT.MM.JJ << eingeben!";

// The time-zone name a world-time place carries in spare_text_1
// ("Europe/Berlin"); empty for a place without one (own places) and for a
// text there that is no zone name.
std::string ZoneNameOf(const UnitRecord& record);

// The state of the time-zone data a place was last set from, in
// spare_text_2 ("tzdata 2026f", "Stand 08.12.2026"); empty when none.
std::string ZoneStandOf(const UnitRecord& record);

// The state the listed places' data is of: the one most of them record,
// empty when none records one.
std::string PlacesStand(const UnitList& places);

// Reads into `zones` the zone of every place of the world-time file `file`
// (the first conversion with summer time then finds them all); a file that
// cannot be read leaves the zones to be read when asked for.
void ReadZonesAhead(ZoneCache& zones, const std::string& file);

// The zone of a place in `zones`; nullptr without a zone name or for a zone
// the database does not know (the place then keeps its stored offset).
const TimeZone* ZoneOf(const TAusgabetextobject& place, ZoneCache& zones);

// The conversion with summer time: the entry is "hh:mm" on `today`, or
// "hh:mm TT.MM." (a day of today's year) or "hh:mm TT.MM.JJ" (of 20JJ); the
// time is read as ConvertWorldTime reads it. The source's offset at that
// local time and every place's offset at the same instant come from their
// zones; places without a known zone use their stored offset. The day marks
// count from the entered day. A bad entry gives kBadTimeOrDateMessage.
ConversionResult ConvertWorldTimeOnDate(UnitList& units, size_t source, const std::string& entry,
                                        const CivilDate& today, ZoneCache& zones);

}  // namespace mensurio
