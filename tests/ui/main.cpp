// Runs the window tests inside a QApplication on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

#include "uifonts.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  mensurio::ui::InstallFonts();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
