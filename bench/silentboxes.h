// Message boxes that show nothing and answer No: the benchmarks measure the
// work, not the questions.
#pragma once

#include <string>

#include "messages.h"

namespace mensurio {

class NoBoxes : public MessageBoxes {
 public:
  void Show(BoxKind, const std::string&) override {}
  bool AskYesNo(const std::string&) override { return false; }
  void ShowPlain(const std::string&, const std::string&) override {}
  void ReportError(const std::string&) override {}
};

}  // namespace mensurio
