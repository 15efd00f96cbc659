#include "filechooser.h"

#include <QFileDialog>
#include <QStandardPaths>

namespace mensurio::ui {

QString ChooseRateFileWithDialog(QWidget* owner) {
  return QFileDialog::getOpenFileName(
      owner, "Wechselkurse importieren", QStandardPaths::writableLocation(QStandardPaths::DownloadLocation),
      QString::fromUtf8("Euro-Referenzkurse der EZB (eurofxref*.xml eurofxref*.csv eurofxref*.zip);;"
                        "XML-, CSV- und Zip-Dateien (*.xml *.csv *.zip);;Alle Dateien (*)"),
      nullptr, QFileDialog::DontUseNativeDialog);
}

}  // namespace mensurio::ui
