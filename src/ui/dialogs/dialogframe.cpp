#include "dialogframe.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include "uifonts.h"

namespace mensurio::ui {

DialogFrame::DialogFrame(const char* objectName, const QString& caption, int width, int height, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName(objectName);
  setWindowTitle(caption);
  setFixedSize(width, height);
  setFont(PixelFont("MS Sans Serif", 11));
}

void DialogFrame::showEvent(QShowEvent* event) {
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  QDialog::showEvent(event);
}

QPushButton* MakePushButton(QWidget* parent, const char* name, const QString& caption, const QRect& geometry) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setGeometry(geometry);
  b->setAutoDefault(false);
  return b;
}

}  // namespace mensurio::ui
