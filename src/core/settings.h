// MSR.INI: the last area, the sort order, the display mode and the origin
// flags, in four lines of text.
#pragma once

#include <string>

#include "messages.h"
#include "unitlist.h"

namespace mensurio {

struct Settings {
  int area_index = 1;
  bool sort_alphabetical = true;
  bool scientific_display = true;
  OriginFlags origin_visible = AllOriginsShown();
  // World time with summer time: a fifth line "1" after the origin flags,
  // written only when on, so a file without it reads as off and a program
  // that reads four lines reads the same four.
  bool summer_time = false;
};

// The new settings are written here first.
constexpr const char* kSettingsTemp = "MSR.INI.NEU";

constexpr const char* kSettingsMissingWarning =
    "Die Datei \"MSR.INI\" wurde nicht gefunden. Der Mensurio wird mit Standardeinstellungen geöffnet";
constexpr const char* kSettingsWriteWarning =
    "Die Datei \"MSR.INI\" konnte nicht geschrieben werden. Die aktuellen Einstellungen können deshalb "
    "nicht gespeichert werden.";

// Reads MSR.INI of the working directory; on any failure (and for an area
// number outside 1..47) the defaults and the warning.
Settings ReadSettings(MessageBoxes& boxes);

// The settings read from a file's bytes; false for a malformed file.
bool ParseSettings(const std::string& bytes, Settings& out);

// The file's bytes for these settings.
std::string FormatSettings(const Settings& settings);

// Writes MSR.INI through a fresh temporary file renamed over it, so a
// failed write leaves the old file whole; an MSR.INI the user made a link
// stays one (its target is replaced), one the program may not write is
// left alone. On failure the warning. Once the new file is in place, a
// failing directory sync only warns that the disk did not confirm it (and
// counts as success). Returns success.
bool WriteSettings(const Settings& settings, MessageBoxes& boxes);

}  // namespace mensurio
