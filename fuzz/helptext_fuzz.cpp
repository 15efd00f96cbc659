// Help files of any content through the check that guards the viewer. A
// file it lets through stays within the limits whatever is added behind a
// cut (the check reads a prefix the same way as the whole).
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "helptext.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view html(reinterpret_cast<const char*>(data), size);
  mensurio::HelpTextVerdict verdict = mensurio::CheckHelpText(html);
  if (size > mensurio::kMaxHelpTextBytes && verdict != mensurio::HelpTextVerdict::TooLarge) std::abort();
  if (verdict != mensurio::HelpTextVerdict::Fine && mensurio::HelpTextRefusal(verdict)[0] == '\0') std::abort();
  return 0;
}
