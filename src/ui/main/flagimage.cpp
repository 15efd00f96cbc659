#include "flagimage.h"

#include "catalogue.h"
#include "images.h"

namespace mensurio::ui {

FlagImage::FlagImage(QWidget* parent, const char* name, int x, int y) : QLabel(parent) {
  setObjectName(name);
  setGeometry(x, y, 32, 16);
}

void FlagImage::ShowOrigin(int origin) {
  origin_ = origin;
  if (origin <= 0) {
    clear();
    setAccessibleName("");
    return;
  }
  setPixmap(OriginImage(origin));
  setAccessibleName(QString::fromUtf8(OriginName(origin)));
}

}  // namespace mensurio::ui
