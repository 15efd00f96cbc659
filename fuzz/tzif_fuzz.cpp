// Time-zone files of any content for the TZif reader, and their closing
// rule text for the rule reader: a file read as sound answers offsets
// within a day of universal time at any instant the world time can ask for.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "tzif.h"
#include "tzrule.h"
#include "zonefacts.h"

namespace {

// The world time asks for instants within some 250,000 years of 1970.
constexpr int64_t kReach = int64_t{1} << 43;

void CheckOffset(int32_t offset) {
  if (offset < -26 * 3600 || offset > 26 * 3600) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  int64_t instants[4] = {0, -kReach, kReach, 1798761600};  // 2027-01-01
  if (size >= 8) {
    int64_t picked;
    std::memcpy(&picked, data, sizeof picked);
    instants[0] = picked % kReach;
  }
  if (auto zone = mensurio::TimeZone::Parse(bytes)) {
    for (int64_t t : instants) {
      CheckOffset(zone->OffsetAt(t));
      CheckOffset(zone->OffsetAtLocal(t));
    }
    mensurio::ZoneFacts facts = mensurio::FactsFrom(*zone, {2026, 12, 8});
    (void)mensurio::SummerTimeText(facts);
  }
  if (auto rule = mensurio::TzRule::Parse(bytes)) {
    for (int64_t t : instants) {
      int32_t offset = rule->OffsetAt(t);
      if (offset < -25 * 3600 || offset > 25 * 3600) std::abort();
    }
  }
  return 0;
}
