#include "program.h"

#include <QApplication>
#include <QDir>

#include "afterfirstpaint.h"
#include "summertime.h"
#include "bringtofront.h"
#include "clipboard.h"
#include "datadir.h"
#include "helpviewer.h"
#include "images.h"
#include "programstyle.h"
#include "qtgerman.h"
#include "qtmessageboxes.h"
#include "singleinstance.h"
#include "tmywindow.h"
#include "uifonts.h"

namespace mensurio {

int RunProgram(int argc, char** argv, StartMode mode, const StartReport& report) {
  QApplication app(argc, argv);
  // No display name: the platform would add it to every window title
  // ("Einheiten suchen — Mensurio"), and the captions stand as they are.
  QApplication::setApplicationName("Mensurio");
  ui::InstallQtGerman(app);
  ui::InstallFonts();
  QApplication::setStyle(new ui::ProgramStyle);

  ui::QtMessageBoxes boxes;
  std::string error = EnterDataDirectory(QCoreApplication::applicationDirPath().toStdString());
  if (!error.empty()) {
    boxes.Show(BoxKind::Error, error);
    return 1;
  }
  // A program already working on this directory comes to the front instead.
  SingleInstance instance(QDir::currentPath());
  if (!instance.Claim()) return 0;

  ui::LoadOriginImages();  // an ORIGINS.PNG of the data directory replaces the built-in strip
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
      // Every window's icon, for the window manager (_NET_WM_ICON). Reading
      // its six sizes costs more than building the whole window, so it
      // comes once the window is on the screen, like the dialogs.
      QApplication::setWindowIcon(ui::ProgramIcon());
      window.CreateDialogs();
      window.summer_time->ReadZonesAhead();
      if (mode == StartMode::QuitWhenReady) stop_at("ready");
    });
  }
  return QApplication::exec();
}

}  // namespace mensurio
