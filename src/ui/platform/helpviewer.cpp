#include "helpviewer.h"

#include <QFile>
#include <QTextBrowser>

namespace mensurio::ui {

QtHelpViewer::~QtHelpViewer() { delete browser_; }

void QtHelpViewer::ShowContents(const QString& file) {
  if (!browser_) {
    browser_ = new QTextBrowser;
    browser_->setObjectName("HelpViewer");
    browser_->setOpenExternalLinks(false);
    browser_->resize(640, 560);
  }
  QFile f(file);
  if (f.open(QIODevice::ReadOnly)) {
    browser_->setWindowTitle(QString::fromUtf8("Mensurio – Hilfe"));
    browser_->setHtml(QString::fromUtf8(f.readAll()));
  } else {
    // The viewer reports a missing help file itself, as a help program does.
    browser_->setWindowTitle(QString::fromUtf8("Mensurio – Hilfe"));
    browser_->setHtml(QString::fromUtf8("<p>Die Hilfedatei <b>%1</b> kann nicht geöffnet werden.</p>").arg(file));
  }
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
