// "Vorsatzzeichen": the reference card of the decimal prefixes, open beside
// the main window.
#pragma once

#include "dialogframe.h"

class QPlainTextEdit;

namespace mensurio::ui {

class TVorsatzzeichen : public DialogFrame {
  Q_OBJECT
 public:
  explicit TVorsatzzeichen(QWidget* parent = nullptr);

  // The 17 lines of the card.
  static QString CardText();

  QPlainTextEdit* Vorsatzzeichen;
  QPushButton* OKBtn;

 public slots:
  void OKBtnClick();

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace mensurio::ui
