// "Eigene Einheit einfügen - Weltzeit": an own place with its difference to
// universal time in minutes.
#pragma once

#include "dialogframe.h"

class QLineEdit;

namespace mensurio::ui {


class TDlg_eigene_einfuegen_WZ : public MaintenanceDialog {
  Q_OBJECT
 public:
  explicit TDlg_eigene_einfuegen_WZ(TMyWindow& main);

  QLineEdit* Edit1;
  QLineEdit* Edit2;
  QLineEdit* Edit3;
  QLineEdit* Edit5;

 public slots:
  void FormShow() override;
  void OKBtnClick() override;

 protected:
  QWidget* FirstEdit() const override;
};

}  // namespace mensurio::ui
