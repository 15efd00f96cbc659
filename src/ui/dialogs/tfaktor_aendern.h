// "Umrechnungsfaktor ändern": the factor of the selected unit in the base
// unit of its area.
#pragma once

#include "dialogframe.h"

class QLabel;
class QLineEdit;

namespace mensurio::ui {


class TFaktor_aendern : public MaintenanceDialog {
  Q_OBJECT
 public:
  explicit TFaktor_aendern(TMyWindow& main);

  QLabel* Label2;
  QLabel* Label4;
  QLabel* Label6;
  QLineEdit* Edit1;
  QLabel* Label8;

 public slots:
  void FormShow() override;
  void OKBtnClick() override;

 protected:
  QWidget* FirstEdit() const override;
};

}  // namespace mensurio::ui
