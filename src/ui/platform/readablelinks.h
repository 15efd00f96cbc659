// Link colours that read on the page: the help window follows the desktop's
// colour scheme, but schemes pick link colours that are too faint for their
// own page (the Qt 6 "darker" scheme's blue is 2.8:1 on its grey).
#pragma once

class QColor;
class QPalette;

namespace mensurio::ui {

// The contrast ratio of two colours (WCAG: 1 to 21; 4.5 reads well).
double Contrast(const QColor& a, const QColor& b);

// The palette's link colour moved towards its text colour just far enough
// for a contrast of 4.5:1 on its page; the scheme's hue stays as far as it
// can.
QColor ReadableLinkColour(const QPalette& palette);

}  // namespace mensurio::ui
