// Entry texts of any content for ReadNumber and ReadWholeNumber, and the
// result texts of what they read.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "format.h"
#include "numentry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  mensurio::NumberRead r = mensurio::ReadNumber(mensurio::ReplaceChar(text, ',', '.'));
  if (r.error_position < 0 || r.error_position > static_cast<int>(text.size()) + 1) std::abort();
  if (r.error_position == 0 && !r.overflow && std::isfinite(r.value)) {
    mensurio::TAusgabetextobject e;
    mensurio::MakeResultTexts(e, r.value);
    if (e.scientific_text.size() != 15 || e.float_text.size() > 15) std::abort();
  }
  (void)mensurio::ReadWholeNumber(text);
  (void)mensurio::ReadFactorText(text);
  return 0;
}
