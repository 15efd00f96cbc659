// MSR.INI files of any content.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  mensurio::Settings s;
  if (mensurio::ParseSettings(bytes, s)) {
    for (int k = 1; k <= 91; ++k)
      if (s.origin_visible[k] > 1) std::abort();
    mensurio::Settings again;
    if (mensurio::IsValidArea(s.area_index) &&
        (!mensurio::ParseSettings(mensurio::FormatSettings(s), again) || again.area_index != s.area_index ||
         again.origin_visible != s.origin_visible))
      std::abort();
  }
  return 0;
}
