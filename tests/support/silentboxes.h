// Message boxes that show nothing and answer No, for benchmarks and for the
// end-to-end tests' own look into the data files.
#pragma once

#include <string>

#include "messages.h"

namespace mensurio {

class SilentBoxes : public MessageBoxes {
 public:
  void Show(BoxKind, const std::string&) override {}
  bool AskYesNo(const std::string&) override { return false; }
  void ShowPlain(const std::string&, const std::string&) override {}
  void ReportError(const std::string&) override {}
};

}  // namespace mensurio
