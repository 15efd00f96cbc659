// Program entry: into the data directory, the main window and its dialogs,
// then the event loop until the main window closes.
#include <QApplication>
#include <QMessageBox>

#include "clipboard.h"
#include "datadir.h"
#include "helpviewer.h"
#include "qtmessageboxes.h"
#include "tmywindow.h"
#include "uifonts.h"

using namespace mensurio;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Mensurio");
  QApplication::setApplicationDisplayName("Mensurio");
  ui::InstallFontSubstitutes();

  std::string error = EnterDataDirectory(QCoreApplication::applicationDirPath().toStdString());
  if (!error.empty()) {
    QMessageBox::critical(nullptr, "Fehler", QString::fromStdString(error));
    return 1;
  }

  ui::QtMessageBoxes boxes;
  ui::QtClipboard clipboard;
  ui::QtHelpViewer help;
  ui::TMyWindow window(ui::Platform{boxes, clipboard, help});
  boxes.SetOwner(&window);
  if (!window.FormCreate()) return 1;
  window.CreateDialogs();
  window.FormShow();
  window.show();
  return QApplication::exec();
}
