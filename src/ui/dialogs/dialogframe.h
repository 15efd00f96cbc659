// The frame every dialog shares: fixed client size, caption, centred on the
// screen when shown, bold form font.
#pragma once

#include <QDialog>

class QPushButton;

namespace mensurio::ui {

class DialogFrame : public QDialog {
  Q_OBJECT
 public:
  DialogFrame(const char* objectName, const QString& caption, int width, int height, QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;
};

// A push button at a place, with a caption.
QPushButton* MakePushButton(QWidget* parent, const char* name, const QString& caption, const QRect& geometry);

}  // namespace mensurio::ui
