// The platform services the windows use, gathered for one injection point.
#pragma once

#include <QDialog>
#include <functional>

#include "clipboard.h"
#include "helpviewer.h"
#include "messages.h"

namespace mensurio::ui {

struct Platform {
  MessageBoxes& boxes;
  Clipboard& clipboard;
  HelpViewer& help;
  // Shows a dialog modally and returns its result; tests drive dialogs here.
  std::function<int(QDialog&)> show_modal = [](QDialog& d) { return d.exec(); };
};

}  // namespace mensurio::ui
