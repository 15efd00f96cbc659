// Small builders for the controls of the dialogs.
#pragma once

#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QString>

namespace mensurio::ui {

// A label at (x, y) reaching to the right edge of its parent, regular weight.
QLabel* PlaceLabel(QWidget* parent, const char* name, const QString& text, int x, int y,
                   const QColor& color = Qt::black);
// A one-line edit at (x, y) of the width, with a limit (0 = none).
QLineEdit* PlaceEdit(QWidget* parent, const char* name, int x, int y, int width, int max_length = 0);

}  // namespace mensurio::ui
