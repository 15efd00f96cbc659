// The fixed vocabulary: the 47 areas and the 91 origin codes.
#pragma once

#include <string>

namespace mensurio {

constexpr int kAreaCount = 47;
constexpr int kOriginCount = 91;
constexpr int kOwnUnitOrigin = 4;

enum class AreaKind { Ordinary, Temperature, WorldTime, Currency };

struct Area {
  const char* name;       // UTF-8, at most 23 characters
  const char* file;       // bare file name
  const char* base_unit;  // UTF-8, at most 11 characters
};

// Area n, 1..47 (n outside that range is a programming error).
const Area& AreaCatalogue(int n);
bool IsValidArea(int n);

// Decided by the exact area name.
AreaKind KindOfAreaName(const std::string& name);
AreaKind KindOfArea(int n);
// The data file of the first area of a kind ("WELTZEIT.DAT" for world time).
std::string AreaFileOfKind(AreaKind kind);

// Name of origin code k (UTF-8), "" for an unassigned code or one outside 1..91.
const char* OriginName(int code);
// The same in Windows-1252.
const std::string& OriginNameCp1252(int code);

// The companion files checked at start after the 47 area files.
constexpr const char* kHelpFile = "MSR.HLP";
constexpr const char* kSettingsFile = "MSR.INI";
constexpr const char* kReadmeFile = "README.TXT";
constexpr const char* kInfoFile = "G_INFO.DAT";
constexpr const char* kTempFile = "TEMP.DAT";

}  // namespace mensurio

namespace mensurio {

// The 64 check boxes of the countries dialog: box 1..64 switches one origin
// code (1..3, 21..40, 50..58, 60..91 in four runs).
constexpr int kCountryBoxCount = 64;
int CountryBoxOrigin(int box);
// The caption of a box: the origin name, or one of the five short captions.
const char* CountryBoxCaption(int box);

}  // namespace mensurio
