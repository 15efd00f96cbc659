// "Einheiten ein-/ausblenden": one check box per switchable origin.
#pragma once

#include <array>

#include "catalogue.h"
#include "dialogframe.h"

class QCheckBox;
class QGroupBox;

namespace mensurio::ui {

class TMyWindow;

class TLaender_Dlg : public DialogFrame {
  Q_OBJECT
 public:
  explicit TLaender_Dlg(TMyWindow& main);

  QGroupBox* GroupBox1;
  std::array<QCheckBox*, kCountryBoxCount> CheckBox;  // CheckBox1 .. CheckBox64
  QPushButton* OKBtn;
  QPushButton* CancelBtn;
  QPushButton* BitBtn1;
  QPushButton* BitBtn2;

 public slots:
  void FormShow();
  void BitBtn1Click();
  void BitBtn2Click();
  void OKBtnClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  TMyWindow& main_;
};

}  // namespace mensurio::ui
