// The start: work deferred until the window is on the screen, dialogs made
// on demand before that, and the application style.
#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QTransform>

#include "afterfirstpaint.h"
#include "programstyle.h"
#include "tvorsatzzeichen.h"
#include "uifixture.h"

namespace mensurio::testing {
namespace {

bool WaitFor(const std::function<bool()>& done) {
  for (int i = 0; i < 200 && !done(); ++i) QApplication::processEvents(QEventLoop::AllEvents, 10);
  return done();
}

TEST(AfterFirstPaint, RunsOnceAfterThePaintThatShowsTheWidget) {
  QLabel widget("Mensurio");
  widget.resize(200, 50);
  int runs = 0;
  bool painted_before = false;
  bool paint_seen = false;
  struct PaintSpy : QObject {
    bool* seen;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Paint) *seen = true;
      return false;
    }
  } spy;
  spy.seen = &paint_seen;
  widget.installEventFilter(&spy);
  new ui::AfterFirstPaint(widget, [&] {
    ++runs;
    painted_before = paint_seen;
  });
  QApplication::processEvents();
  EXPECT_EQ(runs, 0) << "nothing runs while the widget is hidden";
  widget.show();
  ASSERT_TRUE(WaitFor([&] { return runs > 0; }));
  EXPECT_TRUE(painted_before);
  widget.repaint();
  widget.hide();
  widget.show();
  QApplication::processEvents();
  EXPECT_EQ(runs, 1);
}

class DialogsOnDemand : public WindowTest {};

TEST_F(DialogsOnDemand, EveryDialogCommandMakesTheDialogsFirst) {
  struct Case {
    void (ui::TMyWindow::*command)();
    const char* dialog;
  };
  const Case cases[] = {
      {&ui::TMyWindow::Lnderauseinblenden1Click, "Laender_Dlg"},
      {&ui::TMyWindow::ber1Click, "ueberBox"},
      {&ui::TMyWindow::Einheiteinblenden1Click, "Dlg_Einheit_einblenden"},
      {&ui::TMyWindow::EigeneEinheiteinfgen1Click, "Dlg_eigene_einfuegen"},
      {&ui::TMyWindow::Umrechnungsfaktorndern1Click, "Faktor_aendern"},
      {&ui::TMyWindow::Einheitensuchen1Click, "Such_Dialog"},
  };
  for (const Case& c : cases) {
    WriteSettingsFile(20);  // Länge
    auto& w = Open(false);
    ASSERT_TRUE(started);
    ASSERT_EQ(w.Laender_Dlg, nullptr);
    QString shown;
    w.platform().show_modal = [&](QDialog& d) {
      shown = d.objectName();
      return 0;
    };
    (w.*c.command)();
    EXPECT_EQ(shown, c.dialog);
  }
}

TEST_F(DialogsOnDemand, PrefixTableToo) {
  auto& w = Open(false);
  w.Vorsatzzeichen1Click();
  ASSERT_NE(w.Vorsatzzeichen, nullptr);
  EXPECT_TRUE(w.Vorsatzzeichen->isVisible());
}

TEST_F(DialogsOnDemand, DialogsAreMadeOnlyOnce) {
  auto& w = Open(false);
  w.CreateDialogs();
  auto* search = w.Such_Dialog;
  auto* countries = w.Laender_Dlg;
  w.platform().show_modal = [](QDialog&) { return 0; };
  w.CreateDialogs();
  w.Einheitensuchen1Click();
  EXPECT_EQ(w.Such_Dialog, search);
  EXPECT_EQ(w.Laender_Dlg, countries);
}

QImage Pixels(const QIcon& icon) { return icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32); }

TEST(ProgramStyle, DrawsTheMenuBarArrowsItself) {
  ui::ProgramStyle style;
  const QImage right = Pixels(style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton));
  const QImage down = Pixels(style.standardIcon(QStyle::SP_ToolBarVerticalExtensionButton));
  ASSERT_EQ(right.size(), QSize(16, 16));
  EXPECT_NE(right, down);
  EXPECT_EQ(down, right.transformed(QTransform().rotate(90)));
  int ink = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) ink += qAlpha(right.pixel(x, y)) > 128;
  EXPECT_GT(ink, 8);
  EXPECT_LT(ink, 64);
}

TEST(ProgramStyle, LeavesTheOtherIconsToThePlatformStyle) {
  ui::ProgramStyle style;
  for (auto icon : {QStyle::SP_MessageBoxWarning, QStyle::SP_MessageBoxQuestion, QStyle::SP_DialogOkButton}) {
    QIcon own = style.standardIcon(icon);
    QIcon base = style.baseStyle()->standardIcon(icon);
    EXPECT_EQ(own.isNull(), base.isNull()) << icon;
    if (!base.isNull()) {
      EXPECT_EQ(Pixels(own), Pixels(base)) << icon;
    }
  }
}

}  // namespace
}  // namespace mensurio::testing

namespace mensurio::testing {
namespace {

class LeftoversAtStart : public WindowTest {};

// A write cut off by a crash leaves its temporary files; the next start
// removes them (a link itself, not what it points to).
TEST_F(LeftoversAtStart, TheTemporaryFilesAreRemoved) {
  WriteSettingsFile(1);
  WriteBytes("TEMP.DAT", std::string(kRecordSize * 3, 'x'));
  WriteBytes("outside", "kept");
  std::filesystem::create_symlink("outside", "MSR.INI.NEU");
  Open();
  ASSERT_TRUE(started);
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status("TEMP.DAT")));
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status("MSR.INI.NEU")));
  EXPECT_EQ(ReadBytes("outside"), "kept");
}

}  // namespace
}  // namespace mensurio::testing
