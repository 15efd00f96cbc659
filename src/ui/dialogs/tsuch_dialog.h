// "Einheiten suchen": a unit by name or symbol in all 47 area files, and
// the jump to a hit.
#pragma once

#include "dialogframe.h"
#include "search.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace mensurio::ui {

class TMyWindow;

class TSuch_Dialog : public DialogFrame {
  Q_OBJECT
 public:
  explicit TSuch_Dialog(TMyWindow& main);

  QGroupBox* RadioGroup1;
  QRadioButton* RadioName;
  QRadioButton* RadioSymbol;
  QLineEdit* Edit1;
  QLabel* Label4;
  QListWidget* ListBox1;
  QPushButton* OKBtn;
  QPushButton* HelpBtn;
  QPushButton* CancelBtn;

  const std::vector<TSuchobjekt>& Hits() const { return hits_; }

 public slots:
  void FormShow();
  void OKBtnClick();
  void HelpBtnClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  TMyWindow& main_;
  std::vector<TSuchobjekt> hits_;
};

}  // namespace mensurio::ui
