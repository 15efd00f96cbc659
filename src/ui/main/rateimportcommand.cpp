#include "rateimportcommand.h"

#include <QFile>
#include <QFileInfo>
#include <QMenu>

#include <optional>
#include <string>

#include "menuitem.h"
#include "rateimport.h"
#include "reloadarea.h"
#include "ratestand.h"
#include "tmywindow.h"
#include "zipentry.h"

namespace mensurio::ui {
namespace {

// Far more than the bank's longest file (the whole history as XML).
constexpr qint64 kLargestRateFile = 256 * 1024 * 1024;

std::string DamagedZipMessage(const std::string& name) {
  return "Die Zip-Datei " + name + " ist beschädigt oder enthält keine lesbare Kursdatei!";
}

// The file's bytes, unpacked when it is a zip archive; nullopt after the
// message has been shown.
std::optional<std::string> ReadContent(const QString& path, MessageBoxes& boxes) {
  QFileInfo info(path);
  QFile file(path);
  if (info.isFile() && info.size() > kLargestRateFile) {
    boxes.Show(BoxKind::Error, kNotARateFileMessage);
    return std::nullopt;
  }
  QByteArray bytes;
  // Only a plain file: a device or a pipe could block or never end.
  if (info.isFile() && file.open(QIODevice::ReadOnly)) bytes = file.readAll();
  if (!file.isOpen() || file.error() != QFileDevice::NoError) {
    boxes.Show(BoxKind::Error, CannotReadRateFileMessage(info.fileName().toStdString()));
    return std::nullopt;
  }
  std::string content = bytes.toStdString();
  if (!IsZipArchive(content)) return content;
  std::optional<std::string> unpacked = FirstFileOfZip(content, kLargestRateFile);
  if (!unpacked) boxes.Show(BoxKind::Error, DamagedZipMessage(info.fileName().toStdString()));
  return unpacked;
}

}  // namespace

QAction* AddRateImportItem(TMyWindow& window, QMenu* menu) {
  QAction* item = AddMenuItem(menu, "Wechselkurseimportieren1", "&Wechselkurse importieren...");
  QObject::connect(item, &QAction::triggered, &window, [&window] { ImportRatesCommand(window); });
  return item;
}

void ImportRatesCommand(TMyWindow& window) {
  QString path = window.platform().choose_rate_file(&window);
  if (path.isEmpty()) return;
  MessageBoxes& boxes = window.platform().boxes;
  std::optional<std::string> content = ReadContent(path, boxes);
  if (!content) return;
  std::optional<std::string> summary = ImportRates(*content, Today(), boxes);
  if (!summary) return;
  if (KindOfArea(window.area_index) == AreaKind::Currency) ReloadKeepingSelection(window);
  boxes.Show(BoxKind::Information, *summary);
}

}  // namespace mensurio::ui
