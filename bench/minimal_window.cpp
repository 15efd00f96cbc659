// The yardstick of the start-up measurement: a minimal Qt window that shows
// one line of text (so that it, too, starts the font system), ended once it
// has been painted.
#include <QApplication>
#include <QLabel>

#include "afterfirstpaint.h"
#include "startclock.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel window("Mensurio");
  window.setWindowTitle("Mensurio");
  window.resize(561, 373);
  window.show();
  new mensurio::ui::AfterFirstPaint(window, [] {
    WriteStartClock("painted");
    QCoreApplication::exit(0);
  });
  return QApplication::exec();
}
