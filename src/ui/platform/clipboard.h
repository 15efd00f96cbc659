// Plain text to and from the clipboard, behind an interface for tests.
#pragma once

#include <QString>

namespace mensurio::ui {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual QString Text() const = 0;
  virtual void SetText(const QString& text) = 0;
};

class QtClipboard : public Clipboard {
 public:
  QString Text() const override;
  void SetText(const QString& text) override;
};

}  // namespace mensurio::ui
