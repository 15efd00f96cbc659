// The help viewer: shows the help file at its contents in a window of its
// own that does not block the main window.
#pragma once

#include <QString>

class QTextBrowser;

namespace mensurio::ui {

class HelpViewer {
 public:
  virtual ~HelpViewer() = default;
  // Opens (or brings to the front) the help file at its contents.
  virtual void ShowContents(const QString& file) = 0;
  // Closes a help window opened by the program.
  virtual void Quit() = 0;
};

class QtHelpViewer : public HelpViewer {
 public:
  ~QtHelpViewer() override;
  void ShowContents(const QString& file) override;
  void Quit() override;
  QTextBrowser* window() const { return browser_; }

 private:
  QTextBrowser* browser_ = nullptr;
};

}  // namespace mensurio::ui
