// "Umrechnungsfaktor ändern": the factor of the selected unit in the base
// unit of its area.
#pragma once

#include "dialogframe.h"

class QLabel;
class QLineEdit;

namespace mensurio::ui {

class TMyWindow;

class TFaktor_aendern : public OkCancelDialog {
  Q_OBJECT
 public:
  explicit TFaktor_aendern(TMyWindow& main);

  QLabel* Label2;
  QLabel* Label4;
  QLabel* Label6;
  QLineEdit* Edit1;
  QLabel* Label8;

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
