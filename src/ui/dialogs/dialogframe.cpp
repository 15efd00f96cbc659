#include "dialogframe.h"

#include <functional>

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include "accessiblenames.h"
#include "lightlook.h"
#include "uifonts.h"

namespace mensurio::ui {

DialogFrame::DialogFrame(const char* objectName, const QString& caption, int width, int height, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
  UseLightLook(*this);
  setObjectName(objectName);
  setWindowTitle(caption);
  setFixedSize(width, height);
  setFont(PixelFont("MS Sans Serif", 11));
}

void DialogFrame::UseBoldFormFont() { setFont(PixelFont("MS Sans Serif", 11, true)); }

void DialogFrame::showEvent(QShowEvent* event) {
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  NameControls(*this);
  QDialog::showEvent(event);
}

QPushButton* MakePushButton(QWidget* parent, const char* name, const QString& caption, const QRect& geometry) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setGeometry(geometry);
  // Enter presses the button that has the focus; the dialog's default
  // button answers it only while no other button has the focus.
  b->setAutoDefault(true);
  return b;
}

}  // namespace mensurio::ui

#include <QFrame>
#include <QPainter>
#include <QPainterPath>

namespace mensurio::ui {
namespace {

// The glyphs of the OK and Abbrechen buttons, drawn once.
QIcon DrawnIcon(const QColor& color, const std::function<void(QPainterPath&)>& shape) {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath path;
  shape(path);
  p.setPen(QPen(color, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
  p.end();
  pixmap.setDevicePixelRatio(2);
  return QIcon(pixmap);
}

const QIcon& CheckMarkIcon() {
  static const QIcon icon = DrawnIcon(QColor(0, 128, 0), [](QPainterPath& path) {
    path.moveTo(5, 17);
    path.lineTo(12, 25);
    path.lineTo(27, 6);
  });
  return icon;
}

const QIcon& CrossIcon() {
  static const QIcon icon = DrawnIcon(QColor(192, 0, 0), [](QPainterPath& path) {
    path.moveTo(7, 7);
    path.lineTo(25, 25);
    path.moveTo(25, 7);
    path.lineTo(7, 25);
  });
  return icon;
}

}  // namespace

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
  OKBtn->setIcon(CheckMarkIcon());
  OKBtn->setDefault(true);
  CancelBtn = MakePushButton(this, "CancelBtn", "Abbrechen", {middle + 10, buttons_y, 80, 25});
  CancelBtn->setIcon(CrossIcon());
  connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
  connect(CancelBtn, &QPushButton::clicked, this, [this] { CancelBtnClick(); });
}

}  // namespace mensurio::ui

#include "tmywindow.h"

namespace mensurio::ui {

MaintenanceDialog::MaintenanceDialog(TMyWindow& main, bool TMyWindow::*result_flag, const char* objectName,
                                     const QString& caption, int width, int height, const QRect& bevel,
                                     int buttons_y)
    : OkCancelDialog(objectName, caption, width, height, bevel, buttons_y, &main),
      main_(main),
      result_flag_(result_flag) {}

void MaintenanceDialog::showEvent(QShowEvent* event) {
  FormShow();
  OkCancelDialog::showEvent(event);
  FirstEdit()->setFocus();
}

void MaintenanceDialog::CancelBtnClick() { reject(); }

void MaintenanceDialog::reject() {
  // Esc and the close box cancel as "Abbrechen" does: the calling command
  // must not take an earlier OK for this one.
  main_.*result_flag_ = false;
  OkCancelDialog::reject();
}

void MaintenanceDialog::Succeed() {
  main_.*result_flag_ = true;
  accept();
}

}  // namespace mensurio::ui
