#include "commandline.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace mensurio {
namespace {

TEST(CommandLine, AnswersHelpAndVersionAndRefusesEverythingElse) {
  struct Case {
    std::vector<const char*> args;  // after the program name
    int status;                     // -1: the program starts
    const char* out;                // a part of standard output ("" = empty)
    const char* err;                // a part of standard error ("" = empty)
  };
  const Case cases[] = {
      {{}, -1, "", ""},
      {{"--help"}, 0, "Aufruf: mensurio [--help | --version]", ""},
      {{"--version"}, 0, "Mensurio " MENSURIO_VERSION "\n", ""},
      {{"-h"}, 2, "", "unerwartetes Argument \"-h\""},
      {{"datei.txt"}, 2, "", "unerwartetes Argument \"datei.txt\""},
      {{""}, 2, "", "unerwartetes Argument \"\""},
      {{"--help", "--version"}, 2, "", "unerwartetes Argument \"--version\""},
      {{"--version", "x"}, 2, "", "unerwartetes Argument \"x\""},
      {{"-platform", "offscreen"}, 2, "", "unerwartetes Argument \"-platform\""},
  };
  for (const Case& c : cases) {
    std::vector<const char*> argv = {"mensurio"};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    std::ostringstream out, err;
    auto status = AnswerCommandLine(static_cast<int>(argv.size()), argv.data(), out, err);
    const std::string label = c.args.empty() ? "(keine)" : c.args[0];
    EXPECT_EQ(status.value_or(-1), c.status) << label;
    EXPECT_EQ(out.str().empty(), *c.out == '\0') << label << ": " << out.str();
    EXPECT_NE(out.str().find(c.out), std::string::npos) << label << ": " << out.str();
    EXPECT_EQ(err.str().empty(), *c.err == '\0') << label << ": " << err.str();
    EXPECT_NE(err.str().find(c.err), std::string::npos) << label << ": " << err.str();
  }
}

}  // namespace
}  // namespace mensurio
