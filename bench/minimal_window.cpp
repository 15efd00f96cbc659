// The yardstick of the start-up measurement: a minimal Qt window that shows
// one line of text (so that it, too, starts the font system), ended as soon
// as it is shown.
#include <QApplication>
#include <QLabel>
#include <QTimer>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel window("Mensurio");
  window.setWindowTitle("Mensurio");
  window.resize(561, 373);
  window.show();
  QTimer::singleShot(0, &app, &QCoreApplication::quit);
  return QApplication::exec();
}
