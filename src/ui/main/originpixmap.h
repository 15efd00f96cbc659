// The origin image of a code, 32 x 16 pixels.
#pragma once

#include <QPixmap>

namespace mensurio::ui {

QPixmap OriginPixmap(int code);

}  // namespace mensurio::ui
