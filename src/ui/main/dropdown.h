// The area selector drops down a fixed number of lines at a time and
// scrolls the rest, whatever the style would do by itself.
#pragma once

class QComboBox;

namespace mensurio::ui {

void DropDownLines(QComboBox* combo, int lines);

}  // namespace mensurio::ui
