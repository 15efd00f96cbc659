#include "program.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "clipboard.h"
#include "datadir.h"
#include "helpviewer.h"
#include "images.h"
#include "qtmessageboxes.h"
#include "tmywindow.h"
#include "uifonts.h"

namespace mensurio {

int RunProgram(int argc, char** argv, bool quit_when_shown) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Mensurio");
  QApplication::setApplicationDisplayName("Mensurio");
  ui::InstallFontSubstitutes();

  std::string error = EnterDataDirectory(QCoreApplication::applicationDirPath().toStdString());
  if (!error.empty()) {
    QMessageBox::critical(nullptr, "Fehler", QString::fromStdString(error));
    return 1;
  }

  ui::LoadOriginImages();  // an ORIGINS.PNG of the data directory replaces the built-in strip
  ui::QtMessageBoxes boxes;
  ui::QtClipboard clipboard;
  ui::QtHelpViewer help;
  ui::TMyWindow window(ui::Platform{boxes, clipboard, help});
  boxes.SetOwner(&window);
  if (!window.FormCreate()) return 1;
  window.CreateDialogs();
  window.FormShow();
  window.show();
  if (quit_when_shown) QTimer::singleShot(0, &app, &QCoreApplication::quit);
  return QApplication::exec();
}

}  // namespace mensurio
