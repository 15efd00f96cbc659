// "Umrechnungsfaktor ändern - Weltzeit": the difference of the selected
// place to universal time in minutes, and its summer-time period.
#pragma once

#include "dialogframe.h"

class QLabel;
class QLineEdit;

namespace mensurio::ui {


class TFaktor_aendern_Weltzeit : public MaintenanceDialog {
  Q_OBJECT
 public:
  explicit TFaktor_aendern_Weltzeit(TMyWindow& main);

  QLabel* Label2;
  QLabel* Label4;
  QLabel* Label7;
  QLineEdit* Edit1;
  QLineEdit* Edit2;

 public slots:
  void FormShow() override;
  void OKBtnClick() override;

 protected:
  QWidget* FirstEdit() const override;
};

}  // namespace mensurio::ui
