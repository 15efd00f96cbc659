// G_INFO.DAT: one information text of at most 600 characters per area, in
// records of 601 bytes, record n-1 for area n.
#pragma once

#include <string>

namespace mensurio {

constexpr int kInfoRecordSize = 601;

// The text of area n (Windows-1252, up to the first zero byte; the whole
// record when it has none). Throws IoError when the file cannot be opened
// or holds no record for the area.
std::string ReadAreaInformation(int area);

}  // namespace mensurio
