// Reading the file inside a zip archive, as the bank's rate files come
// (eurofxref.zip holds eurofxref.csv): the archive's directory is read here,
// zlib inflates.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mensurio::ui {

// True when the bytes begin as a zip archive does.
bool IsZipArchive(std::string_view bytes);

// The content of the archive's first .csv or .xml file (else of its first
// file), stored or deflated, checked against its CRC-32. nullopt for a
// damaged archive, another compression, or a file larger than `limit`.
std::optional<std::string> FirstFileOfZip(std::string_view zip, size_t limit);

}  // namespace mensurio::ui
