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

void DialogFrame::UseBoldFormFont() { setFont(PixelFont("MS Sans Serif", 11, true)); }

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

#include <QFrame>
#include <QStyle>

namespace mensurio::ui {

OkCancelDialog::OkCancelDialog(const char* objectName, const QString& caption, int width, int height,
                               const QRect& bevel, int buttons_y, QWidget* parent)
    : DialogFrame(objectName, caption, width, height, parent) {
  UseBoldFormFont();
  auto* frame = new QFrame(this);
  frame->setObjectName("Bevel1");
  frame->setGeometry(bevel);
  frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
  int middle = width / 2;
  OKBtn = MakePushButton(this, "OKBtn", "OK", {middle - 90, buttons_y, 80, 25});
  OKBtn->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
  OKBtn->setDefault(true);
  CancelBtn = MakePushButton(this, "CancelBtn", "Abbrechen", {middle + 10, buttons_y, 80, 25});
  CancelBtn->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
  connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
  connect(CancelBtn, &QPushButton::clicked, this, [this] { CancelBtnClick(); });
}

}  // namespace mensurio::ui
