// The source line after a conversion: "value  name", the source unit's flag
// 5 pixels after it and "=" 3 pixels after the flag. A name too long for
// the window is shortened with "…" so that the flag and "=" stay inside;
// the whole line is then the label's tooltip.
#pragma once

#include <QString>

#include "flagimage.h"

class QLabel;
class QWidget;

namespace mensurio::ui {

struct SourceLine {
  QLabel* text;     // Label_Ausgangseinheit
  FlagImage* flag;  // Flagge1
  QLabel* equals;   // Label2
};

// Places `neighbour` `gap` pixels right of the right edge of `left`.
void PlaceRightOf(QWidget* neighbour, const QWidget* left, int gap);

// `origin`: the source unit's origin code, whose flag is shown.
void ShowSourceLine(const SourceLine& line, const QString& value, const QString& name, int origin);

}  // namespace mensurio::ui
