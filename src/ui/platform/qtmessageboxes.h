// The message boxes as Qt dialogs with German captions and buttons.
#pragma once

#include <QWidget>

#include "messages.h"

namespace mensurio::ui {

class QtMessageBoxes : public MessageBoxes {
 public:
  explicit QtMessageBoxes(QWidget* owner = nullptr) : owner_(owner) {}
  void SetOwner(QWidget* owner) { owner_ = owner; }

  void Show(BoxKind kind, const std::string& text) override;
  bool AskYesNo(const std::string& text) override;
  void ShowPlain(const std::string& caption, const std::string& text) override;
  void ReportError(const std::string& text) override;

 private:
  QWidget* owner_;
};

// "Warnung", "Fehler", "Information", "Bestätigen".
QString BoxTitle(BoxKind kind);

}  // namespace mensurio::ui
