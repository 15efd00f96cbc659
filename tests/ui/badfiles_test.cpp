// Start-up and area change over faulty data files: the program's message,
// no crash, and the files stay as they were.
#include <gtest/gtest.h>

#include <QComboBox>

#include "text.h"
#include "uifixture.h"
#include "unitrow.h"

namespace mensurio::testing {
namespace {

struct BadFile {
  const char* what;
  std::string bytes;
  size_t listed;  // units the list shows
  std::vector<std::string> messages;
};

const char* kEmpty =
    "Die Einheiten-Liste enthält keine Einträge! Es sind entweder alle Einheiten oder alle Länder ausgeblendet "
    "oder die Datendatei konnte nicht geöffnet werden.";

std::vector<BadFile> BadFiles() {
  UnitRecord good = MakeRecord("Meter", 1, 1);
  UnitRecord origin0 = MakeRecord("Null", 0, 1), origin200 = MakeRecord("Zweihundert", 200, 1);
  UnitRecord open = MakeRecord("Offen", 1, 2);
  std::memset(open.name, 'x', sizeof open.name);  // no terminating zero
  std::memset(open.symbol, 's', sizeof open.symbol);
  std::string two = FileBytes({good, good});
  return {
      {"zero bytes", "", 0, {kEmpty}},
      {"truncated", two.substr(0, 258 + 100), 1, {}},
      {"origin 0 and 200", FileBytes({origin0, good, origin200}), 1, {}},
      {"unterminated texts", FileBytes({open, good}), 2, {}},
      {"garbage", std::string(1000, '\xff'), 0, {kEmpty}},
  };
}

TEST_F(WindowTest, FaultyAreaFilesAtStartAndAreaChange) {
  for (const BadFile& bad : BadFiles()) {
    for (bool atStart : {true, false}) {
      boxes.shown.clear();
      WriteBytes("LAENGE.DAT", bad.bytes);
      WriteSettingsFile(atStart ? 20 : 1);
      auto& w = Open();
      ASSERT_TRUE(started) << bad.what;
      if (!atStart) {
        boxes.shown.clear();
        w.ComboBox1->setCurrentIndex(19);
        w.ComboBox1Change();
      }
      EXPECT_EQ(w.units.size(), bad.listed) << bad.what;
      EXPECT_EQ(boxes.Texts(), bad.messages) << bad.what;
      for (int row = 0; row < w.ListBoxEinheit->count(); ++row) (void)w.ListBoxEinheit->Content(row);
      w.ConvertCommand();
      w.close();
      EXPECT_EQ(ReadBytes("LAENGE.DAT"), bad.bytes) << bad.what;
      window.reset();
    }
  }
}

TEST_F(WindowTest, UnreadableAreaFileIsReported) {
  WriteSettingsFile(20);
  std::filesystem::remove("LAENGE.DAT");
  std::filesystem::create_directory("LAENGE.DAT");  // exists, cannot be read as a file
  auto& w = Open();
  ASSERT_TRUE(started);
  EXPECT_TRUE(w.units.empty());
  EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{"Die Datei LAENGE.DAT konnte nicht geöffnet werden!", kEmpty}));
}

TEST_F(WindowTest, GarbageSettingsStartWithTheDefaults) {
  WriteBytes("MSR.INI", std::string("\x00\x01\xfe\xff garbage \x1a", 14));
  auto& w = Open();
  ASSERT_TRUE(started);
  EXPECT_EQ(w.area_index, 1);
  ASSERT_FALSE(boxes.shown.empty());
  EXPECT_EQ(boxes.shown[0].kind, BoxKind::Warning);
}

}  // namespace
}  // namespace mensurio::testing
