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
  // The maintenance dialogs: bold form font, regular labels and edits.
  void UseBoldFormFont();
};

// A push button at a place, with a caption.
QPushButton* MakePushButton(QWidget* parent, const char* name, const QString& caption, const QRect& geometry);

}  // namespace mensurio::ui

namespace mensurio::ui {

// A maintenance dialog: a framed bevel, the bold form font, and the buttons
// "OK" (default, check-mark glyph) and "Abbrechen" (also Esc) at a row.
class OkCancelDialog : public DialogFrame {
  Q_OBJECT
 public:
  OkCancelDialog(const char* objectName, const QString& caption, int width, int height, const QRect& bevel,
                 int buttons_y, QWidget* parent);

  QPushButton* OKBtn;
  QPushButton* CancelBtn;

 public slots:
  virtual void OKBtnClick() = 0;
  virtual void CancelBtnClick() = 0;
};

}  // namespace mensurio::ui

namespace mensurio::ui {

class TMyWindow;

// An own-unit or factor dialog: it works on the main window, fills itself
// when shown with the focus in its first edit, and Cancel (the button, Esc or
// the close box) clears the main window's result flag (`unit_inserted` or
// `factor_changed`).
class MaintenanceDialog : public OkCancelDialog {
  Q_OBJECT
 public:
  MaintenanceDialog(TMyWindow& main, bool TMyWindow::*result_flag, const char* objectName, const QString& caption,
                    int width, int height, const QRect& bevel, int buttons_y);

 public slots:
  virtual void FormShow() = 0;
  void CancelBtnClick() override;
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  virtual QWidget* FirstEdit() const = 0;
  // OK succeeded: the flag is set and the dialog closes.
  void Succeed();

  TMyWindow& main_;

 private:
  bool TMyWindow::*result_flag_;
};

}  // namespace mensurio::ui
