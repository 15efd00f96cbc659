// Names for screen readers. A control without a name of its own is named
// after what a sighted user reads for it: its tooltip, else the caption of
// the label before it on its line, else of the label just above it, else the
// window's title.
#pragma once

class QWidget;

namespace mensurio::ui {

// Names every unnamed control of the window (entries, lists, combo boxes,
// text views, buttons without a caption). Names already given stay.
void NameControls(QWidget& window);

}  // namespace mensurio::ui
