// The program as it starts: Qt's own texts (menu short cuts, context
// menus) are German.
#include "program.h"

#include <gtest/gtest.h>

#include <QKeySequence>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "tempdir.h"

namespace mensurio {
namespace {

namespace fs = std::filesystem;

TEST(Program, QtsOwnTextsAreGerman) {
  testing::TempWorkDir dir;
  for (const auto& e : fs::directory_iterator(MENSURIO_BUILD_DATA))
    if (e.is_regular_file() && e.path().filename().string()[0] != '.')
      fs::copy_file(e.path(), fs::path(dir.path()) / e.path().filename());
  ::setenv("MENSURIO_DIR", dir.path().c_str(), 1);
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  std::string shortcuts;
  char name[] = "mensurio";
  char* argv[] = {name, nullptr};
  int status = RunProgram(1, argv, StartMode::QuitWhenReady, [&](const char*) {
    for (QKeyCombination key : {Qt::CTRL | Qt::Key_C, Qt::CTRL | Qt::Key_Delete})
      shortcuts += QKeySequence(key).toString(QKeySequence::NativeText).toStdString() + " ";
  });
  ::unsetenv("MENSURIO_DIR");
  EXPECT_EQ(status, 0);
  EXPECT_EQ(shortcuts, "Strg+C Strg+Entf ");
}

}  // namespace
}  // namespace mensurio
