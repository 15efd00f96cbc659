// Renders the main window after a conversion to a PNG:
//   mensurio_screenshot OUT.png [AREA [UNIT [VALUE]]]
// It works on a temporary copy of the compiled data, so nothing of the
// user's data changes.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <filesystem>

#include "clipboard.h"
#include "helpviewer.h"
#include "qtmessageboxes.h"
#include "tmywindow.h"
#include "uifonts.h"
#include "unitrow.h"

using namespace mensurio;

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "Aufruf: mensurio_screenshot AUSGABE.png [GEBIET [EINHEIT [WERT]]]\n");
    return 2;
  }
  QApplication app(argc, argv);
  ui::InstallFontSubstitutes();
  QString out = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
  int area = argc > 2 ? std::atoi(argv[2]) : 20;
  QString unit = argc > 3 ? QString::fromUtf8(argv[3]) : QString::fromUtf8("Meile (engl.)");
  QString value = argc > 4 ? QString::fromUtf8(argv[4]) : "1";

  QTemporaryDir work;
  for (const auto& e : std::filesystem::directory_iterator(MENSURIO_BUILD_DATA))
    if (e.is_regular_file()) std::filesystem::copy_file(e.path(), work.path().toStdString() / e.path().filename());
  QDir::setCurrent(work.path());
  std::string ini = std::to_string(area) + "\r\n0\r\n1\r\n" + std::string(91, '1');
  FILE* f = std::fopen("MSR.INI", "wb");
  std::fwrite(ini.data(), 1, ini.size(), f);
  std::fclose(f);

  ui::QtMessageBoxes boxes;
  ui::QtClipboard clipboard;
  ui::QtHelpViewer help;
  ui::TMyWindow window(ui::Platform{boxes, clipboard, help});
  if (!window.FormCreate()) return 1;
  window.CreateDialogs();
  window.FormShow();
  window.show();
  auto items = window.ListBoxEinheit->findItems(unit, Qt::MatchStartsWith);
  if (!items.isEmpty()) window.ListBoxEinheit->setCurrentItem(items.front());
  window.Edit_Eingabe->setText(value);
  window.ConvertCommand();
  window.Timer1Timer();  // the visible phase of the blink
  window.ListBoxEinheit->setFocus();
  QTimer::singleShot(200, [&] {
    bool ok = window.grab().save(out);
    std::printf("%s\n", ok ? qPrintable(out) : "Bild nicht gespeichert");
    app.exit(ok ? 0 : 1);
  });
  return QApplication::exec();
}
