// "Eigene Einheit einfügen - Währung": an own currency.
#pragma once

#include "dialogframe.h"

class QLabel;
class QLineEdit;

namespace mensurio::ui {


class TDlg_eigene_einfuegen_Waehrung : public MaintenanceDialog {
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
  void FormShow() override;
  void OKBtnClick() override;

 protected:
  QWidget* FirstEdit() const override;
};

}  // namespace mensurio::ui
