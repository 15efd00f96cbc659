// Message boxes for tests: records every box and answers questions from a
// script.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "messages.h"

namespace mensurio::testing {

class ScriptedBoxes : public MessageBoxes {
 public:
  struct Box {
    BoxKind kind;
    std::string caption;  // for ShowPlain and ReportError
    std::string text;
  };

  void Show(BoxKind kind, const std::string& text) override { shown.push_back({kind, "", text}); }
  bool AskYesNo(const std::string& text) override {
    shown.push_back({BoxKind::Confirmation, "", text});
    if (answers.empty()) return false;
    bool a = answers.front();
    answers.pop_front();
    return a;
  }
  void ShowPlain(const std::string& caption, const std::string& text) override {
    shown.push_back({BoxKind::Information, caption, text});
  }
  void ReportError(const std::string& text) override { shown.push_back({BoxKind::Error, "Mensurio", text}); }

  std::vector<std::string> Texts() const {
    std::vector<std::string> t;
    for (const Box& b : shown) t.push_back(b.text);
    return t;
  }

  std::vector<Box> shown;
  std::deque<bool> answers;  // true = Yes
};

}  // namespace mensurio::testing
