// "Über Mensurio": name, version line and the program icon.
#pragma once

#include "dialogframe.h"

class QLabel;

namespace mensurio::ui {

class TueberBox : public DialogFrame {
  Q_OBJECT
 public:
  explicit TueberBox(QWidget* parent = nullptr);

  QLabel* Label11;
  QLabel* Label12;
  QLabel* Image1;
  QPushButton* OKButton;
};

}  // namespace mensurio::ui
