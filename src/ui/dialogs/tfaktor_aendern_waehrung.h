// "Umrechnungsfaktor ändern - Währung": the exchange rate of the selected
// currency, its date and its value text.
#pragma once

#include "dialogframe.h"

class QLabel;
class QLineEdit;

namespace mensurio::ui {


class TFaktor_aendern_Waehrung : public MaintenanceDialog {
  Q_OBJECT
 public:
  explicit TFaktor_aendern_Waehrung(TMyWindow& main);

  QLabel* Label2;
  QLabel* Label4;
  QLabel* Label6;
  QLineEdit* Edit1;
  QLabel* Label8;
  QLineEdit* Edit2;
  QLineEdit* Edit3;

 public slots:
  void FormShow() override;
  void OKBtnClick() override;

 protected:
  QWidget* FirstEdit() const override;
};

}  // namespace mensurio::ui
