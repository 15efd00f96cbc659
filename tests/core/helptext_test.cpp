#include "helptext.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace mensurio {
namespace {

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

std::string Nested(const std::string& open, const std::string& close, int depth) {
  return Repeat(open, depth) + "x" + Repeat(close, depth);
}

TEST(CheckHelpText, RefusesWhatWouldExhaustTheViewer) {
  using V = HelpTextVerdict;
  const std::string table = "<table><tr><td>", end = "</td></tr></table>";
  struct Case {
    const char* name;
    std::string html;
    HelpTextVerdict verdict;
  };
  const Case cases[] = {
      {"plain", "<h1>Hilfe</h1><p>Text <b>fett</b></p>", V::Fine},
      {"4 nested tables", Nested(table, end, 4), V::Fine},
      {"5 nested tables", Nested(table, end, 5), V::TooDeep},
      {"2000 nested tables", Nested(table, end, 2000), V::TooDeep},
      {"100 nested lists", Nested("<UL><li>", "</UL>", 100), V::Fine},
      {"101 nested lists, upper case", Nested("<UL><li>", "</UL>", 101), V::TooDeep},
      {"20000 unclosed bold", Repeat("<b>", 20000), V::TooDeep},
      {"unclosed paragraphs do not nest", Repeat("<p>a", 5000), V::Fine},
      {"closed siblings do not add up", Repeat("<div>a</div>", 500), V::Fine},
      {"100 tables", Repeat(table + end, 100), V::Fine},
      {"101 tables", Repeat(table + end, 101), V::TooManyTables},
      {"2000 cells", "<table><tr>" + Repeat("<td>a", 1999) + "<th>b</table>", V::Fine},
      {"2001 cells", "<table><tr>" + Repeat("<td>a", 2000) + "<th>b</table>", V::TooManyTables},
      {"a million columns", "<table><tr><td colspan=\"1000000\">x</td></tr></table>", V::TooLargeSize},
      {"rowspan unquoted", "<table><tr><td rowspan=99999>x</td></tr></table>", V::TooLargeSize},
      {"huge picture", "<img src=\"a.png\" width='20000' height=10>", V::TooLargeSize},
      {"huge font in a style", "<p style=\"font-size: 90000px\">x</p>", V::TooLargeSize},
      {"colours are no sizes", "<p style=\"color:#999999; width: 80%\" width=\"2000\">x</p>", V::Fine},
      {"numbers in text are no sizes", "<p>1000000 Meter</p><a href=\"#s123456\">x</a>", V::Fine},
      {"tags in a comment", "<!--" + Repeat("<table>", 50) + "-->", V::Fine},
      {"just over the size", std::string(kMaxHelpTextBytes + 1, ' '), V::TooLarge},
      {"cut-off tag", "<table width=\"3", V::Fine},
  };
  for (const Case& c : cases) EXPECT_EQ(CheckHelpText(c.html), c.verdict) << c.name;
}

TEST(CheckHelpText, TheShippedHelpFileIsShown) {
  std::ifstream in(MENSURIO_BUILD_DATA "/MSR.HLP", std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  ASSERT_GT(s.str().size(), 1000u);
  EXPECT_EQ(CheckHelpText(s.str()), HelpTextVerdict::Fine);
}

}  // namespace
}  // namespace mensurio
