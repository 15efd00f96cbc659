// A main window over a temporary copy of the compiled data, with scripted
// message boxes, clipboard and help viewer.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>

#include "clipboard.h"
#include "helpviewer.h"
#include "records.h"
#include "scriptedboxes.h"
#include "tempdir.h"
#include "tmywindow.h"

// Failures name the text, not its bytes.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace mensurio::testing {

class FakeClipboard : public ui::Clipboard {
 public:
  QString Text() const override { return text; }
  void SetText(const QString& t) override { text = t; }
  QString text;
};

class FakeHelp : public ui::HelpViewer {
 public:
  void ShowContents(const QString& file) override { shown.push_back(file); }
  void Quit() override { ++quits; }
  std::vector<QString> shown;
  int quits = 0;
};

// Copies the compiled data into the working directory.
inline void CopyShippedData() {
  for (const auto& entry : std::filesystem::directory_iterator(MENSURIO_BUILD_DATA))
    if (entry.is_regular_file() && entry.path().filename().string()[0] != '.')
      std::filesystem::copy_file(entry.path(), entry.path().filename(),
                                 std::filesystem::copy_options::overwrite_existing);
}

inline void WriteSettingsFile(int area, const std::string& flags = std::string(91, '1'), int sort = 0,
                              int display = 0) {
  WriteBytes("MSR.INI", std::to_string(area) + "\r\n" + std::to_string(sort) + "\r\n" + std::to_string(display) +
                            "\r\n" + flags);
}

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override { CopyShippedData(); }

  // Creates and shows the window over the files of the working directory;
  // without dialogs, as it is before its first paint.
  ui::TMyWindow& Open(bool with_dialogs = true) {
    window = std::make_unique<ui::TMyWindow>(ui::Platform{boxes, clipboard, help});
    started = window->FormCreate();
    if (started) {
      if (with_dialogs) window->CreateDialogs();
      window->FormShow();
      window->show();
    }
    return *window;
  }

  // Runs the next dialogs as the window would, with `act` as the user.
  template <class Dialog>
  void When(std::function<void(Dialog&)> act) {
    window->platform().show_modal = [act](QDialog& d) {
      d.show();
      QApplication::processEvents();
      act(dynamic_cast<Dialog&>(d));
      if (d.isVisible()) d.reject();
      return d.result();
    };
  }

  TempWorkDir dir;
  ScriptedBoxes boxes;
  FakeClipboard clipboard;
  FakeHelp help;
  std::unique_ptr<ui::TMyWindow> window;
  bool started = false;
};

}  // namespace mensurio::testing
