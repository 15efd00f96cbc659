// The help viewer with hostile help files: it loads nothing from outside
// the data directory, never waits on a FIFO, and refuses what would take
// the window down, with a message of its own.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QTextBrowser>
#include <filesystem>

#include "helptext.h"
#include "helpviewer.h"
#include "tempdir.h"

namespace mensurio::testing {
namespace {

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

QString Shown(const std::string& help) {
  TempWorkDir dir;
  if (help == "FIFO")
    ::mkfifo("MSR.HLP", 0644);
  else if (help != "MISSING")
    WriteBytes("MSR.HLP", help);
  ui::QtHelpViewer viewer;
  viewer.ShowContents("MSR.HLP");
  return viewer.window()->toPlainText();
}

TEST(HelpViewer, RefusesHelpFilesThatWouldExhaustIt) {
  const QString refused = QString::fromUtf8("Die Hilfedatei MSR.HLP kann nicht angezeigt werden: ");
  const QString unopened = QString::fromUtf8("Die Hilfedatei MSR.HLP kann nicht geöffnet werden.");
  struct Case {
    const char* name;
    std::string help;
    QString text;
  };
  const Case cases[] = {
      {"plain", "<h1>Inhalt</h1><p>Hilfe</p>", "Inhalt\nHilfe"},
      {"2000 nested tables", Repeat("<table><tr><td>", 2000) + "x", refused + "sie ist zu tief verschachtelt."},
      {"too large", std::string(kMaxHelpTextBytes + 100, 'x'), refused + QString::fromUtf8("sie ist zu groß.")},
      {"a million columns", "<table><tr><td colspan=1000000>x</table>",
       refused + QString::fromUtf8("sie verlangt eine zu große Abmessung.")},
      {"FIFO", "FIFO", unopened},
      {"MISSING", "MISSING", unopened},
  };
  for (const Case& c : cases) EXPECT_EQ(Shown(c.help), c.text) << c.name;
}

void SavePicture(const char* name, int width, int height) {
  QImage image(width, height, QImage::Format_Mono);
  image.fill(0);
  ASSERT_TRUE(image.save(name, "PNG"));
}

// Pictures come from small files of the data directory only; nothing else
// is ever loaded (no page, no style sheet, no device, no file elsewhere).
TEST(HelpViewer, LoadsOnlySmallPicturesOfTheDataDirectory) {
  TempWorkDir outside;
  SavePicture("ELSEWHERE.PNG", 8, 8);
  const std::string elsewhere = outside.path() + "/ELSEWHERE.PNG";
  TempWorkDir dir;
  SavePicture("LOGO.PNG", 16, 8);
  SavePicture("HUGE.PNG", 5000, 5000);  // a small file of 25 million pixels
  WriteBytes("BIG.PNG", ReadBytes("LOGO.PNG") + std::string(2 << 20, '\0'));
  ::mkfifo("FIFO.PNG", 0644);
  WriteBytes("MSR.HLP", "<p>x</p>");
  ui::QtHelpViewer viewer;
  viewer.ShowContents("MSR.HLP");
  QTextBrowser* browser = viewer.window();
  struct Case {
    int type;
    QString url;
    bool loaded;
  };
  const Case cases[] = {
      {QTextDocument::ImageResource, "LOGO.PNG", true},
      {QTextDocument::ImageResource, "/dev/zero", false},
      {QTextDocument::ImageResource, QString::fromStdString(elsewhere), false},
      {QTextDocument::ImageResource, "file://" + QString::fromStdString(elsewhere), false},
      {QTextDocument::ImageResource, "../LOGO.PNG", false},
      {QTextDocument::ImageResource, "http://example.org/LOGO.PNG", false},
      {QTextDocument::ImageResource, "HUGE.PNG", false},
      {QTextDocument::ImageResource, "BIG.PNG", false},
      {QTextDocument::ImageResource, "FIFO.PNG", false},
      {QTextDocument::StyleSheetResource, "LOGO.PNG", false},
      {QTextDocument::HtmlResource, "MSR.HLP", false},
  };
  for (const Case& c : cases) {
    QVariant v = browser->loadResource(c.type, QUrl(c.url));
    EXPECT_EQ(v.isValid(), c.loaded) << c.url.toStdString();
    if (c.loaded) {
      EXPECT_EQ(v.value<QImage>().size(), QSize(16, 8));
    }
  }
}

TEST(HelpViewer, EscapeAndCtrlWCloseIt) {
  for (QKeySequence keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
    TempWorkDir dir;
    WriteBytes("MSR.HLP", "<p>Hilfe</p>");
    ui::QtHelpViewer viewer;
    viewer.ShowContents("MSR.HLP");
    QTextBrowser* browser = viewer.window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(browser));
    QApplication::setActiveWindow(browser);
    QTest::keySequence(browser, keys);
    EXPECT_FALSE(browser->isVisible()) << keys.toString().toStdString();
  }
}

}  // namespace
}  // namespace mensurio::testing
