// The flag of an origin beside a unit name (Image1, Flagge1): the origin's
// image, and its name for screen readers.
#pragma once

#include <QLabel>

namespace mensurio::ui {

class FlagImage : public QLabel {
 public:
  // An empty flag of 32 x 16 pixels at x, y.
  FlagImage(QWidget* parent, const char* name, int x, int y);
  // Shows the image of origin code `origin` (1..91); 0 shows nothing.
  void ShowOrigin(int origin);
  int origin() const { return origin_; }

 private:
  int origin_ = 0;
};

}  // namespace mensurio::ui
