// Texts typed or pasted into the dialogs that end up in a data file.
#pragma once

#include <initializer_list>

#include "messages.h"

class QLineEdit;

namespace mensurio::ui {

// True when the data files can store every character of the edits' texts.
// Composed forms are taken first (e + U+0301 becomes é); otherwise the first
// character that cannot be stored (one Windows-1252 lacks, or a control
// character) is named in an information box and its edit gets the focus.
bool TextsStorable(std::initializer_list<QLineEdit*> edits, MessageBoxes& boxes);

}  // namespace mensurio::ui
