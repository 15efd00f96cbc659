// The real program on an X server of its own (Xvfb), driven by keyboard only
// through xdotool: window titles as the captions read, Enter on a focused
// button, Strg+I and Strg+F. What the user did is checked in MSR.INI after
// "&Beenden". Every process the test starts is ended by it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "search.h"
#include "xsession.h"

namespace mensurio {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using e2e::Process;
using e2e::ReadAll;
using e2e::Shell;

// Slower than the shared keys: dialogs open and close between them.
void Keys(const std::string& keys) {
  Shell("xdotool key --delay 80 " + keys);
  std::this_thread::sleep_for(400ms);
}

// The titles of the visible windows, one a line.
std::string Titles() {
  return Shell("xdotool search --onlyvisible --name '.' 2>/dev/null | while read w; do xdotool getwindowname $w; done");
}

bool Shown(const std::string& title) {
  std::istringstream lines(Titles());
  for (std::string line; std::getline(lines, line);)
    if (line == title) return true;
  return false;
}

// Waits up to three seconds for a window of that title to come or to go.
bool HasWindow(const std::string& title, bool wanted = true) {
  for (int i = 0; i < 30 && Shown(title) != wanted; ++i) std::this_thread::sleep_for(100ms);
  return Shown(title) == wanted;
}

void FocusMainWindow() {
  Shell("xdotool search --onlyvisible --name '^Mensurio$' windowfocus --sync 2>/dev/null");
  std::this_thread::sleep_for(300ms);
}

TEST(KeyboardOnly, TitlesFocusedButtonsAndButtonKeys) {
  ASSERT_TRUE(e2e::ToolsPresent()) << "Xvfb, xdotool, xclip or xprop missing";
  e2e::Xvfb xvfb;
  ASSERT_TRUE(xvfb.Up()) << "Xvfb did not start";
  std::string dir = e2e::DataDirectoryForTheProgram();
  std::ofstream(dir + "/MSR.INI", std::ios::binary) << "20\r\n0\r\n0\r\n" << std::string(91, '1');
  // Where "Gehe zu" on the first hit leads.
  ASSERT_EQ(::chdir(dir.c_str()), 0);
  SearchResult found = SearchUnits(SearchMode::Name, "Meile (engl.)");
  ASSERT_FALSE(found.hits.empty());
  const int hit_area = found.hits[0].area_index;

  Process program({MENSURIO_PROGRAM});
  ASSERT_FALSE(Shell("xdotool search --sync --onlyvisible --name '^Mensurio$' | head -1").empty()) << "no window";
  FocusMainWindow();

  // The countries dialog: all boxes off, then Enter on "Abbrechen" cancels.
  Keys("alt+e");
  Keys("n");
  ASSERT_TRUE(HasWindow("Einheiten ein-/ausblenden")) << Titles();
  Keys("Tab Tab Tab space shift+Tab shift+Tab Return");  // OK -> ... -> "Alle Markierungen aus"; back to "Abbrechen"
  EXPECT_TRUE(HasWindow("Einheiten ein-/ausblenden", false)) << Titles();

  // The help window's title is its caption, nothing added.
  FocusMainWindow();
  Keys("F1");
  EXPECT_TRUE(HasWindow("Mensurio – Hilfe")) << Titles();

  FocusMainWindow();
  Keys("ctrl+i");
  EXPECT_TRUE(HasWindow("Gebiet-Information")) << Titles();
  Keys("Escape");

  // Strg+F, search, then Enter on "Gehe zu" jumps (and closes the dialog).
  FocusMainWindow();
  Keys("ctrl+f");
  ASSERT_TRUE(HasWindow("Einheiten suchen")) << Titles();
  Shell("xdotool type --delay 40 'Meile (engl.)'");
  Keys("Return");      // "Suche starten"; the focus goes to the hits
  Keys("Tab Tab Return");  // hits -> "Suche starten" -> "Gehe zu"
  EXPECT_TRUE(HasWindow("Einheiten suchen", false)) << Titles();

  FocusMainWindow();
  Keys("alt+d");
  Keys("b");
  ASSERT_TRUE(program.WaitFor(10s)) << "the program did not end";
  EXPECT_EQ(ReadAll(dir + "/MSR.INI"), std::to_string(hit_area) + "\r\n0\r\n0\r\n" + std::string(91, '1'));
  fs::remove_all(dir);
}

}  // namespace
}  // namespace mensurio
