#include "helpviewer.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QShortcut>
#include <QTextBrowser>

#include "helptext.h"
#include "ioerror.h"
#include "readablelinks.h"
#include "recordfile.h"

namespace mensurio::ui {
namespace {

// Pictures of a help file: small files of the data directory only.
constexpr size_t kMaxHelpImageBytes = 1 << 20;
constexpr qint64 kMaxHelpImagePixels = 2048 * 2048;

// A picture the help file names: a bare file name of the data directory (no
// path, no scheme), a regular file of bounded size and pixel count;
// otherwise a null image.
QImage LocalHelpImage(const QUrl& url) {
  const QString name = url.path();
  if (!url.scheme().isEmpty() || !url.host().isEmpty() || name.isEmpty() || name.contains('/') ||
      name.contains('\\') || name.startsWith('.'))
    return {};
  QByteArray bytes;
  try {
    std::string data = ReadSmallFile(name.toStdString(), kMaxHelpImageBytes);
    bytes = QByteArray(data.data(), static_cast<qsizetype>(data.size()));
  } catch (const IoError&) {
    return {};
  }
  QBuffer buffer(&bytes);
  QImageReader reader(&buffer);
  const QSize size = reader.size();
  if (!size.isValid() || static_cast<qint64>(size.width()) * size.height() > kMaxHelpImagePixels) return {};
  return reader.read();
}

// The help window loads nothing but the pictures above: no linked pages,
// style sheets or files elsewhere. Links within the file still lead to
// their anchors.
class HelpBrowser : public QTextBrowser {
 public:
  HelpBrowser() {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    // A help window closes with Esc or Strg+W, as in other programs.
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
      connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
      if (url.scheme().isEmpty() && url.path().isEmpty() && url.hasFragment()) scrollToAnchor(url.fragment());
    });
  }
  QVariant loadResource(int type, const QUrl& url) override {
    if (type != QTextDocument::ImageResource) return {};
    QImage image = LocalHelpImage(url);
    return image.isNull() ? QVariant() : QVariant(image);
  }
};

// The text of the help file, or the viewer's own message why it cannot be
// shown. The file is read without waiting (a FIFO is refused) and checked
// before it is laid out.
QString HelpPage(const QString& file) {
  std::string html;
  try {
    html = ReadSmallFile(file.toStdString(), kMaxHelpTextBytes);
  } catch (const IoError&) {
    QFileInfo info(file);
    if (!info.isFile() || info.size() <= static_cast<qint64>(kMaxHelpTextBytes))
      return QString::fromUtf8("<p>Die Hilfedatei <b>%1</b> kann nicht geöffnet werden.</p>").arg(file);
    html.assign(kMaxHelpTextBytes + 1, ' ');  // refused as too large below
  }
  HelpTextVerdict verdict = CheckHelpText(html);
  if (verdict != HelpTextVerdict::Fine)
    return QString::fromUtf8("<p>Die Hilfedatei <b>%1</b> kann nicht angezeigt werden: %2.</p>")
        .arg(file, QString::fromUtf8(HelpTextRefusal(verdict)));
  return QString::fromUtf8(html.data(), static_cast<qsizetype>(html.size()));
}

}  // namespace

QtHelpViewer::~QtHelpViewer() { delete browser_; }

void QtHelpViewer::ShowContents(const QString& file) {
  if (!browser_) {
    browser_ = new HelpBrowser;
    browser_->setObjectName("HelpViewer");
    browser_->resize(640, 560);
  }
  // Links take their colour when the page is read, from the scheme in force.
  browser_->document()->setDefaultStyleSheet(
      QString("a[href] { color: %1; }").arg(ReadableLinkColour(browser_->palette()).name()));
  browser_->setWindowTitle(QString::fromUtf8("Mensurio – Hilfe"));
  browser_->setHtml(HelpPage(file));
  browser_->scrollToAnchor("inhalt");
  browser_->moveCursor(QTextCursor::Start);
  browser_->show();
  browser_->raise();
  browser_->activateWindow();
}

void QtHelpViewer::Quit() {
  if (browser_) browser_->close();
}

}  // namespace mensurio::ui
