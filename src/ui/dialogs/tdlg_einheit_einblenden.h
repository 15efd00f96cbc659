// "Ausgeblendete Einheiten wieder einblenden": the hidden units of the
// current area, to show again one by one or all at once.
#pragma once

#include <vector>

#include "dialogframe.h"
#include "hiding.h"

class QLabel;
class QListWidget;

namespace mensurio::ui {

class TMyWindow;

class TDlg_Einheit_einblenden : public DialogFrame {
  Q_OBJECT
 public:
  explicit TDlg_Einheit_einblenden(TMyWindow& main);

  QLabel* Label2;
  QLabel* Label3;
  QListWidget* ListBox1;
  QPushButton* BitBtn1;
  QPushButton* BitBtn2;
  QPushButton* OKBtn;

  // The record number of each line of ListBox1.
  const std::vector<TDatenobject>& Lines() const { return lines_; }

 public slots:
  void FormShow();
  void FormActivate();
  void BitBtn1Click();
  void BitBtn2Click();
  void OKBtnClick();
  void FormHide();
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void ReloadMainList();
  void FocusFirstLine();

  TMyWindow& main_;
  std::vector<TDatenobject> lines_;
};

}  // namespace mensurio::ui
