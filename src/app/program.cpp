#include "program.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

#include "afterfirstpaint.h"
#include "bringtofront.h"
#include "clipboard.h"
#include "datadir.h"
#include "helpviewer.h"
#include "images.h"
#include "programstyle.h"
#include "qtmessageboxes.h"
#include "singleinstance.h"
#include "tmywindow.h"
#include "uifonts.h"

namespace mensurio {

int RunProgram(int argc, char** argv, StartMode mode, const StartReport& report) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Mensurio");
  QApplication::setApplicationDisplayName("Mensurio");
  QApplication::setWindowIcon(ui::ProgramIcon());  // every window's, for the window manager (_NET_WM_ICON)
  ui::InstallFonts();
  QApplication::setStyle(new ui::ProgramStyle);

  std::string error = EnterDataDirectory(QCoreApplication::applicationDirPath().toStdString());
  if (!error.empty()) {
    QMessageBox::critical(nullptr, "Fehler", QString::fromStdString(error));
    return 1;
  }
  // A program already working on this directory comes to the front instead.
  SingleInstance instance(QDir::currentPath());
  if (!instance.Claim()) return 0;

  ui::LoadOriginImages();  // an ORIGINS.PNG of the data directory replaces the built-in strip
  ui::QtMessageBoxes boxes;
  ui::QtClipboard clipboard;
  ui::QtHelpViewer help;
  ui::TMyWindow window(ui::Platform{boxes, clipboard, help});
  boxes.SetOwner(&window);
  QObject::connect(&instance, &SingleInstance::RaiseRequested, &window, [&window] { ui::BringToFront(window); });
  if (!window.FormCreate()) return 1;
  window.FormShow();
  window.show();
  // The dialogs are made while the user already sees the window; a command
  // that needs one before makes them itself. The measuring modes leave the
  // event loop without closing the window (nothing is written).
  auto stop_at = [&report](const char* moment) {
    if (report) report(moment);
    QCoreApplication::exit(0);
  };
  if (mode == StartMode::QuitWhenPainted) {
    new ui::AfterFirstPaint(window, [stop_at] { stop_at("painted"); });
  } else {
    new ui::AfterFirstPaint(window, [&window, mode, stop_at] {
      window.CreateDialogs();
      if (mode == StartMode::QuitWhenReady) stop_at("ready");
    });
  }
  return QApplication::exec();
}

}  // namespace mensurio
