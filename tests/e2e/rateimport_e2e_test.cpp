// "&Wechselkurse importieren..." in the real program under Xvfb: the menu
// with the keyboard, the path typed into Qt's file dialog, the information
// box closed with Enter, the program ended with the menu; then the currency
// file is checked. Every process the test starts is ended by it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "catalogue.h"
#include "unitlist.h"
#include "xsession.h"

namespace mensurio {
namespace {

namespace fs = std::filesystem;
using namespace e2e;

std::string ValidityOf(const std::string& file, const std::string& symbol) {
  SilentBoxes boxes;
  for (const TAusgabetextobject& u : LoadUnits(file, AllOriginsShown(), true, boxes))
    if (FieldText(u.record.symbol) == symbol) return FieldText(u.record.validity);
  return "(" + symbol + " fehlt)";
}

void WriteFile(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

TEST(EndToEnd, ImportRatesThroughTheMenuAndTheFileDialog) {
  if (!ToolsPresent()) FAIL() << "Xvfb, xdotool, xclip or xprop missing";
  Xvfb xvfb;
  ASSERT_TRUE(xvfb.Up()) << "Xvfb did not start";
  std::string dir = DataDirectoryForTheProgram();
  WriteFile(dir + "/MSR.INI", "41\r\n0\r\n0\r\n" + std::string(91, '1'));  // "Währungen"
  fs::create_directory(dir + "/Downloads");
  const std::string rates = dir + "/Downloads/eurofxref.csv";
  WriteFile(rates, "Date, USD, JPY, \n02 June 2025, 1.1000, 170.00, \n");  // in the past on any machine
  ASSERT_EQ(::chdir(dir.c_str()), 0);
  const std::string euro = ValidityOf("WAEHRUNG.DAT", "EUR");

  Process program({MENSURIO_PROGRAM});
  std::string window = WaitForWindow("^Mensurio$");
  ASSERT_FALSE(window.empty()) << "no window";
  Shell("xdotool windowfocus --sync " + window);
  std::this_thread::sleep_for(500ms);
  Keys("alt+d");
  Keys("w");  // "&Wechselkurse importieren..."
  std::string dialog = WaitForWindow("^Wechselkurse importieren$");
  ASSERT_FALSE(dialog.empty()) << "no file dialog";
  Shell("xdotool windowfocus --sync " + dialog);
  Type(rates);  // into the file name field, which has the focus
  Keys("Return");
  std::string box = WaitForWindow("^Information$", 3);
  if (box.empty()) {  // the first Enter closed the completion list
    Keys("Return");
    box = WaitForWindow("^Information$");
  }
  ASSERT_FALSE(box.empty()) << "no information box";
  Shell("xdotool windowfocus --sync " + box);
  Keys("Return");
  Shell("xdotool windowfocus --sync " + window);
  Keys("alt+d");
  Keys("b");  // "&Beenden"
  ASSERT_TRUE(program.WaitFor(10s)) << "the program did not end";
  EXPECT_TRUE(WIFEXITED(program.status()) && WEXITSTATUS(program.status()) == 0);

  EXPECT_EQ(ValidityOf("WAEHRUNG.DAT", "USD"), "Stand 02.06.2025");
  EXPECT_EQ(ValidityOf("WAEHRUNG.DAT", "JPY"), "Stand 02.06.2025");
  EXPECT_EQ(ValidityOf("WAEHRUNG.DAT", "EUR"), euro) << "the euro is never changed";
  EXPECT_EQ(ReadAll(dir + "/MSR.INI"), "41\r\n0\r\n0\r\n" + std::string(91, '1'));
  fs::remove_all(dir);
}

}  // namespace
}  // namespace mensurio
