// The real program under Xvfb, driven with the keyboard through xdotool as a
// user would: pick "Länge", convert 1 mile into every unit, copy the result
// of another line, hide that unit, quit with the menu; then the area file
// and MSR.INI are checked. Every process the test starts is ended by it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "catalogue.h"
#include "conversion.h"
#include "text.h"
#include "unitlist.h"
#include "xsession.h"

namespace mensurio {
namespace {

namespace fs = std::filesystem;
using namespace e2e;

TEST(EndToEnd, ConvertCopyHideAndQuit) {
  if (!ToolsPresent()) FAIL() << "Xvfb, xdotool, xclip or xprop missing";
  Xvfb xvfb;
  ASSERT_TRUE(xvfb.Up()) << "Xvfb did not start";
  std::string dir = DataDirectoryForTheProgram();

  // What the test expects: the unit below the statute mile and its result.
  ASSERT_EQ(::chdir(dir.c_str()), 0);
  SilentBoxes boxes;
  UnitList units = LoadUnits("LAENGE.DAT", AllOriginsShown(), true, boxes);
  auto mile = std::find_if(units.begin(), units.end(), [](auto& u) { return u.name() == "Meile (engl.)"; });
  ASSERT_NE(mile, units.end());
  size_t source = static_cast<size_t>(mile - units.begin());
  ASSERT_LT(source + 1, units.size());
  ASSERT_EQ(Convert(AreaKind::Ordinary, units, source, "1").status, ConversionStatus::Done);
  const TAusgabetextobject& below = units[source + 1];
  std::string expected = Cp1252ToUtf8(below.scientific_text);

  Process program({MENSURIO_PROGRAM});
  std::string window = Shell("xdotool search --sync --onlyvisible --name '^Mensurio$' | head -1");
  ASSERT_FALSE(window.empty()) << "no window";
  // The program icon, as window managers and task bars read it.
  std::string icon = Shell("xprop -id " + window + " _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\\n' ' '");
  EXPECT_NE(icon.find("Icon (48 x 48)"), std::string::npos) << "_NET_WM_ICON: " << icon;
  Shell("xdotool windowfocus --sync " + window);
  std::this_thread::sleep_for(500ms);

  Keys("Tab Tab");   // list -> entry -> area selector
  Type("L");         // "Länge"
  Keys("Tab");       // the unit list
  Type("Meile (engl.)");
  Keys("Tab ctrl+a");
  Type("1");
  Keys("Return");    // convert
  Keys("shift+Tab Down");
  Keys("ctrl+c");
  EXPECT_EQ(Shell("xclip -o -selection clipboard"), expected) << "copied from " << Cp1252ToUtf8(below.name());
  Keys("ctrl+Delete");  // hide the unit below the mile
  Keys("alt+d");
  Keys("b");            // "&Beenden"
  ASSERT_TRUE(program.WaitFor(10s)) << "the program did not end";
  EXPECT_TRUE(WIFEXITED(program.status()) && WEXITSTATUS(program.status()) == 0);

  std::string area = ReadAll(dir + "/LAENGE.DAT");
  ASSERT_GT(area.size(), static_cast<size_t>(below.record_number) * 258);
  EXPECT_EQ(area[static_cast<size_t>(below.record_number) * 258], 0) << "visible byte of the hidden unit";
  EXPECT_EQ(area[static_cast<size_t>(mile->record_number) * 258], 1);
  EXPECT_EQ(ReadAll(dir + "/MSR.INI"), "20\r\n0\r\n0\r\n" + std::string(91, '1'));
  fs::remove_all(dir);
}

}  // namespace
}  // namespace mensurio
