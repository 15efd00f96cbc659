// Source texts of any content: the parser either refuses them with a
// SourceError or gives records whose texts are terminated.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "datasource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  try {
    for (const auto& u : mensurio::datasource::ParseSource(text)) {
      if (u.line < 1) std::abort();
      (void)mensurio::datasource::FormatLine(u.record);
    }
  } catch (const mensurio::datasource::SourceError& e) {
    if (e.line < 1) std::abort();
  }
  return 0;
}
