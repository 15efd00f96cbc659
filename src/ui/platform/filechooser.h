// Choosing a file to open: Qt's own file dialog rather than the desktop's,
// so that it looks and answers the keyboard alike on every desktop.
#pragma once

#include <QString>

class QWidget;

namespace mensurio::ui {

// Asks for a euro reference-rate file, starting in the download folder.
// The chosen path, or an empty text when the user cancelled.
QString ChooseRateFileWithDialog(QWidget* owner);

}  // namespace mensurio::ui
