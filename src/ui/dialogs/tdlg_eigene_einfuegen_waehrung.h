// "Eigene Einheit einfügen - Währung": an own currency.
#pragma once

#include "dialogframe.h"

class QLabel;
class QLineEdit;

namespace mensurio::ui {

class TMyWindow;

class TDlg_eigene_einfuegen_Waehrung : public OkCancelDialog {
  Q_OBJECT
 public:
  explicit TDlg_eigene_einfuegen_Waehrung(TMyWindow& main);

  QLineEdit* Edit1;
  QLineEdit* Edit2;
  QLineEdit* Edit3;
  QLineEdit* Edit4;
  QLineEdit* Edit5;
  QLabel* Label6;

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
