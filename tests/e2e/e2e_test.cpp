// The real program under Xvfb, driven with the keyboard through xdotool as a
// user would: pick "Länge", convert 1 mile into every unit, copy the result
// of another line, hide that unit, quit with the menu; then the area file
// and MSR.INI are checked. Every process the test starts is ended by it.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "catalogue.h"
#include "childprocess.h"
#include "conversion.h"
#include "text.h"
#include "unitlist.h"

extern char** environ;

namespace mensurio {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing::Process;

std::string Shell(const std::string& command) {
  std::string out;
  if (FILE* p = ::popen(command.c_str(), "r")) {
    char buf[512];
    while (size_t n = std::fread(buf, 1, sizeof buf, p)) out.append(buf, n);
    ::pclose(p);
  }
  while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
  return out;
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

class SilentBoxes : public MessageBoxes {
 public:
  void Show(BoxKind, const std::string&) override {}
  bool AskYesNo(const std::string&) override { return false; }
  void ShowPlain(const std::string&, const std::string&) override {}
  void ReportError(const std::string&) override {}
};

void Keys(const std::string& keys) {
  Shell("xdotool key --delay 60 " + keys);
  std::this_thread::sleep_for(300ms);
}

void Type(const std::string& text) {
  Shell("xdotool type --delay 40 '" + text + "'");
  std::this_thread::sleep_for(300ms);
}

TEST(EndToEnd, ConvertCopyHideAndQuit) {
  if (Shell("for p in Xvfb xdotool xclip; do command -v $p; done | wc -l") != "3") FAIL() << "Xvfb, xdotool or xclip missing";
  std::string display = ":" + std::to_string(70 + ::getpid() % 200);
  Process xvfb({"Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
  ::setenv("DISPLAY", display.c_str(), 1);
  bool up = false;
  for (int i = 0; i < 50 && !up; ++i) {
    std::this_thread::sleep_for(100ms);
    up = Shell("xdotool getdisplaygeometry 2>/dev/null") != "";
  }
  ASSERT_TRUE(up) << "Xvfb did not start";

  char pattern[] = "/tmp/mensurio-e2e-XXXXXX";
  std::string dir = ::mkdtemp(pattern);
  for (const auto& e : fs::directory_iterator(MENSURIO_BUILD_DATA))
    if (e.is_regular_file() && e.path().filename().string()[0] != '.') fs::copy_file(e.path(), dir / e.path().filename());
  ::setenv("MENSURIO_DIR", dir.c_str(), 1);
  ::setenv("QT_QPA_PLATFORM", "xcb", 1);

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
