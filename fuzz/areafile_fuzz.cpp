// Area files of any content: the loader, the check mode and the decompiler
// must neither crash nor read out of bounds, and decompiling must give the
// same bytes when compiled again.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "compiler.h"
#include "messages.h"
#include "unitlist.h"

namespace {

class SilentBoxes : public mensurio::MessageBoxes {
 public:
  void Show(mensurio::BoxKind, const std::string&) override {}
  bool AskYesNo(const std::string&) override { return false; }
  void ShowPlain(const std::string&, const std::string&) override {}
  void ReportError(const std::string&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string file = [] {
    char pattern[] = "/tmp/mensurio-fuzz-XXXXXX";
    return std::string(::mkdtemp(pattern)) + "/LAENGE.DAT";
  }();
  std::string bytes(reinterpret_cast<const char*>(data), size);
  std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
  SilentBoxes boxes;
  auto units = mensurio::LoadUnits(file, mensurio::AllOriginsShown(), size % 2 == 0, boxes);
  for (const auto& u : units)
    if (u.record.visible != 1 || u.record.origin < 1 || u.record.origin > 91) std::abort();
  std::string source = mensurio::datac::Decompile(bytes, 20);
  std::string back = mensurio::datac::RecordBytes(mensurio::datac::CompileArea(source, 20, "fuzz"));
  if (back != bytes.substr(0, bytes.size() / 258 * 258)) std::abort();
  return 0;
}
