// The unit search over all 47 area files, by name or by symbol.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mensurio {

// One hit: the record as it was at the time of the search. Texts are the
// record's Windows-1252 bytes up to their zero.
struct TSuchobjekt {
  std::string name;        // as stored, trailing blanks kept
  std::string symbol;      // as stored in a name search, trailing blanks cut in a symbol search
  std::string other_name;  // as stored
  uint8_t visible = 0;
  int32_t area_index = 0;  // 1..47
  int32_t origin = 0;
  int32_t record_number = 0;  // 0-based position in its area file
};

enum class SearchMode { Name, Symbol };  // "Name", "Abkürzung"

struct SearchResult {
  std::vector<TSuchobjekt> hits;
  std::vector<std::string> lines;  // Windows-1252; line i belongs to hit i
  bool file_failed = false;        // a file could not be read: the search stopped there
};

constexpr const char* kSearchFileMissingMessage =
    "Eine Datendatei konnte nicht gefunden werden. Bitte prüfen Sie, ob alle Datendateien vorhanden sind.";
constexpr size_t kSearchLineLength = 83;

// Reads the area files in catalogue order, one open at a time, record by
// record, and collects every record that matches `text` (Windows-1252),
// whatever its visible byte or origin. Name: `text` occurs in name or
// other_name with A-Z folded. Symbol: the symbol without trailing blanks
// equals `text` with a-z folded. When file_failed is set the caller shows
// kSearchFileMissingMessage; the hits of the earlier files stay.
SearchResult SearchUnits(SearchMode mode, const std::string& text);

}  // namespace mensurio
