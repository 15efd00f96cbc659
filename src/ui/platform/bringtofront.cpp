#include "bringtofront.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace mensurio::ui {
namespace {

void Activate(QWidget& window) {
  window.raise();
  window.activateWindow();
  if (QWindow* handle = window.windowHandle()) handle->requestActivate();
}

}  // namespace

void BringToFront(QWidget& window) {
  if (window.isVisible() || window.isMinimized()) {
    if (window.isMinimized()) window.showNormal();
    Activate(window);
  }
  if (QWidget* modal = QApplication::activeModalWidget()) Activate(*modal);
}

}  // namespace mensurio::ui
