#include "buttonkeys.h"

#include <QShortcut>

#include "tmywindow.h"

namespace mensurio::ui {
namespace {

void AddKey(TMyWindow& window, const char* name, QKeyCombination key, void (TMyWindow::*command)()) {
  auto* shortcut = new QShortcut(QKeySequence(key), &window);
  shortcut->setObjectName(name);
  shortcut->setContext(Qt::WindowShortcut);
  QObject::connect(shortcut, &QShortcut::activated, &window, command);
}

}  // namespace

void AddButtonKeys(TMyWindow& window) {
  AddKey(window, "SucheTaste", Qt::CTRL | Qt::Key_F, &TMyWindow::SpeedButton4Click);
  AddKey(window, "GebietInfoTaste", Qt::CTRL | Qt::Key_I, &TMyWindow::SpeedButton2Click);
}

}  // namespace mensurio::ui
