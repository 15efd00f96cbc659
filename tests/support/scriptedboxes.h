// Message boxes for tests: records every box and answers questions from a
// script.
#pragma once

#include <deque>
#include <functional>
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

  void Show(BoxKind kind, const std::string& text) override { Add({kind, "", text}); }
  bool AskYesNo(const std::string& text) override {
    Add({BoxKind::Confirmation, "", text});
    if (answers.empty()) return false;
    bool a = answers.front();
    answers.pop_front();
    return a;
  }
  void ShowPlain(const std::string& caption, const std::string& text) override {
    Add({BoxKind::Information, caption, text});
  }
  void ReportError(const std::string& text) override { Add({BoxKind::Error, "Mensurio", text}); }

  std::vector<std::string> Texts() const {
    std::vector<std::string> t;
    for (const Box& b : shown) t.push_back(b.text);
    return t;
  }

  std::vector<Box> shown;
  std::deque<bool> answers;  // true = Yes
  std::function<void(const Box&)> on_show;  // looks at the screen while a box is up

 private:
  void Add(const Box& box) {
    shown.push_back(box);
    if (on_show) on_show(box);
  }
};

}  // namespace mensurio::testing
