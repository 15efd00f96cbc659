// Renders the main window after a conversion to a PNG:
//   mensurio_screenshot OUT.png [AREA [UNIT [VALUE]]]
// or every window of the program into a directory:
//   mensurio_screenshot --all DIR
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
#include "programstyle.h"
#include "qtmessageboxes.h"
#include "tdlg_eigene_einfuegen.h"
#include "tdlg_eigene_einfuegen_waehrung.h"
#include "tdlg_eigene_einfuegen_wz.h"
#include "tdlg_einheit_einblenden.h"
#include "tfaktor_aendern.h"
#include "tfaktor_aendern_waehrung.h"
#include "tfaktor_aendern_weltzeit.h"
#include "tlaender_dlg.h"
#include "tmywindow.h"
#include "tsuch_dialog.h"
#include "tueberbox.h"
#include "tvorsatzzeichen.h"
#include "uifonts.h"
#include "unitrow.h"

using namespace mensurio;

namespace {

// Each dialog as it looks when it opens over the main window.
bool SaveAllWindows(ui::TMyWindow& window, const QString& dir) {
  QDir().mkpath(dir);
  bool ok = window.grab().save(dir + "/main.png");
  const std::pair<QWidget*, const char*> dialogs[] = {
      {window.Laender_Dlg, "laender"},
      {window.Dlg_Einheit_einblenden, "einblenden"},
      {window.Dlg_eigene_einfuegen, "eigene_einfuegen"},
      {window.Dlg_eigene_einfuegen_Waehrung, "eigene_einfuegen_waehrung"},
      {window.Dlg_eigene_einfuegen_WZ, "eigene_einfuegen_wz"},
      {window.Faktor_aendern, "faktor_aendern"},
      {window.Faktor_aendern_Waehrung, "faktor_aendern_waehrung"},
      {window.Faktor_aendern_Weltzeit, "faktor_aendern_weltzeit"},
      {window.Such_Dialog, "suche"},
      {window.ueberBox, "ueber"},
      {window.Vorsatzzeichen, "vorsatzzeichen"},
  };
  for (const auto& [dialog, name] : dialogs) {
    dialog->show();
    QApplication::processEvents();
    ok = dialog->grab().save(dir + "/" + name + ".png") && ok;
    dialog->hide();
  }
  std::printf("%s\n", qPrintable(dir));
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "Aufruf: mensurio_screenshot AUSGABE.png [GEBIET [EINHEIT [WERT]]]\n");
    return 2;
  }
  QApplication app(argc, argv);
  ui::InstallFonts();
  QApplication::setStyle(new ui::ProgramStyle);
  bool all = std::string(argv[1]) == "--all";
  if (all && argc < 3) return 2;
  if (all) ++argv, --argc;
  QString out = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
  int area = argc > 2 ? std::atoi(argv[2]) : 20;
  if (area < 1 || area > 47) area = 20;
  QString unit = argc > 3 ? QString::fromUtf8(argv[3]) : QString::fromUtf8("Meile");
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
  QModelIndexList found = window.ListBoxEinheit->model()->match(window.ListBoxEinheit->model()->index(0, 0),
                                                                 Qt::DisplayRole, unit, 1, Qt::MatchStartsWith);
  if (!found.isEmpty()) window.ListBoxEinheit->setCurrentRow(found.front().row());
  window.Edit_Eingabe->setText(value);
  window.ConvertCommand();
  window.Timer1Timer();  // the visible phase of the blink
  window.ListBoxEinheit->setFocus();
  if (all) {
    QTimer::singleShot(200, [&] { app.exit(SaveAllWindows(window, out) ? 0 : 1); });
    return QApplication::exec();
  }
  QTimer::singleShot(200, [&] {
    bool ok = window.grab().save(out);
    std::printf("%s\n", ok ? qPrintable(out) : "Bild nicht gespeichert");
    app.exit(ok ? 0 : 1);
  });
  return QApplication::exec();
}
