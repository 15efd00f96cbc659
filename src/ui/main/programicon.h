// The program icon.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace mensurio::ui {

QPixmap ProgramIconPixmap(int size);

}  // namespace mensurio::ui
