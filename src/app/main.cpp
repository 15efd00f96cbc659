// Program entry.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Mensurio");
  QWidget window;
  window.setWindowTitle("Mensurio");
  window.resize(561, 373);
  window.show();
  return QApplication::exec();
}
