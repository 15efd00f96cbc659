// Setting the world-time places from the system's time-zone database: the
// standard offset and the summer-time text from today on.
#pragma once

#include <string>
#include <vector>

#include "civildate.h"
#include "messages.h"
#include "tzif.h"
#include "unitrecord.h"

namespace mensurio {

struct ZoneRefresh {
  bool failed = false;               // the file could not be read or rewritten (message shown)
  std::vector<std::string> changes;  // one line a changed place, UTF-8; empty: nothing written
  std::vector<std::string> unknown;  // places whose zone the database lacks, "Ort (Zone)"
  int kept_newer = 0;                // places set from a newer release than the system's, kept
  std::string newer_stand;           // that release ("tzdata 2026f")
};

// Whether a place's data state `place_stand` comes from a newer release of
// the database than `stand` ("tzdata 2026f" against "tzdata 2025b"): such a
// place would be set back to older rules, so a refresh leaves it.
bool IsNewerStand(const std::string& place_stand, const std::string& stand);

// The place as the database has it from `today` on: factor := the standard offset
// (minutes ÷ 60), validity := a new summer-time text unless the stored one
// names the right months (blanks without summer time), spare_text_2 :=
// `stand`. `change` gets the line for the information box ("Vancouver:
// -8:00 → -7:00, keine Sommerzeit mehr"), empty when factor and validity
// already agree.
UnitRecord RefreshedPlace(const UnitRecord& place, const TimeZone& zone, const CivilDate& today, const std::string& stand,
                          std::string& change);

// Every place of the world-time file `file` with a zone that `zones` knows,
// in one rewrite of the file; nothing is written when no factor and no
// summer-time text differ. `stand` is what the places record as the state
// of their data ("tzdata 2025b").
ZoneRefresh RefreshTimeZones(const std::string& file, ZoneCache& zones, const CivilDate& today, const std::string& stand,
                             MessageBoxes& boxes);

// The information box after a refresh that did not fail (UTF-8): what
// changed, or that nothing did, and the places whose zone the database
// lacks; long lists are cut.
std::string RefreshSummary(const ZoneRefresh& refresh, const std::string& stand, int year);

// The whole command on the world-time file: the places of every known zone
// as the database has them from today on, then the information box (a
// failure has shown its message instead). True when the file was rewritten.
bool RefreshWorldTimePlaces(ZoneCache& zones, const CivilDate& today, MessageBoxes& boxes);

// What the places record as the state of the data of the database in
// `dir`: "tzdata " and its version, or without one "Stand " and the date.
std::string ZoneStand(const std::string& dir, const CivilDate& today);

}  // namespace mensurio
