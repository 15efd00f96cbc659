#include "filechooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace mensurio::ui {
namespace {

// The folder of the file chosen last in this session, else the download
// folder (where the browser has put the bank's file), else the home folder.
QString StartFolder(const QString& last) {
  if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
  QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
  return QFileInfo(downloads).isDir() ? downloads : QDir::homePath();
}

}  // namespace

QString ChooseRateFileWithDialog(QWidget* owner) {
  static QString last_folder;
  QString file = QFileDialog::getOpenFileName(
      owner, "Wechselkurse importieren", StartFolder(last_folder),
      QString::fromUtf8("Euro-Referenzkurse der EZB (eurofxref*.xml eurofxref*.csv eurofxref*.zip);;"
                        "XML-, CSV- und Zip-Dateien (*.xml *.csv *.zip);;Alle Dateien (*)"),
      nullptr, QFileDialog::DontUseNativeDialog);
  if (!file.isEmpty()) last_folder = QFileInfo(file).absolutePath();
  return file;
}

}  // namespace mensurio::ui
