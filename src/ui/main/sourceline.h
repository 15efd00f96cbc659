// The source line after a conversion: "value  name", the source unit's flag
// 5 pixels after it and "=" 3 pixels after the flag. A name too long for
// the window is shortened with "…" so that the flag and "=" stay inside;
// the whole line is then the label's tooltip.
#pragma once

#include <QPixmap>
#include <QString>

class QLabel;

namespace mensurio::ui {

struct SourceLine {
  QLabel* text;    // Label_Ausgangseinheit
  QLabel* flag;    // Flagge1
  QLabel* equals;  // Label2
};

void ShowSourceLine(const SourceLine& line, const QString& value, const QString& name, const QPixmap& flag);

}  // namespace mensurio::ui
