// "Umrechnungsfaktor ändern - Weltzeit": the difference of the selected
// place to universal time in minutes, and its summer-time period.
#pragma once

#include "dialogframe.h"

class QLabel;
class QLineEdit;

namespace mensurio::ui {

class TMyWindow;

class TFaktor_aendern_Weltzeit : public OkCancelDialog {
  Q_OBJECT
 public:
  explicit TFaktor_aendern_Weltzeit(TMyWindow& main);

  QLabel* Label2;
  QLabel* Label4;
  QLabel* Label7;
  QLineEdit* Edit1;
  QLineEdit* Edit2;

 public slots:
  void FormShow();
  void OKBtnClick() override;
  void CancelBtnClick() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  TMyWindow& main_;
};

}  // namespace mensurio::ui
