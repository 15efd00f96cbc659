// The platform services the windows use, gathered for one injection point.
#pragma once

#include <QDialog>
#include <functional>

#include "clipboard.h"
#include "filechooser.h"
#include "helpviewer.h"
#include "messages.h"

namespace mensurio::ui {

struct Platform {
  MessageBoxes& boxes;
  Clipboard& clipboard;
  HelpViewer& help;
  // Shows a dialog modally and returns its result; tests drive dialogs here.
  std::function<int(QDialog&)> show_modal = [](QDialog& d) { return d.exec(); };
  // Asks for a rate file to import; an empty text when cancelled.
  std::function<QString(QWidget* owner)> choose_rate_file = ChooseRateFileWithDialog;
};

}  // namespace mensurio::ui
