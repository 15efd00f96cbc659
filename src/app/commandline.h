// The command line: the program takes no argument but --help and --version,
// which answer without opening a window.
#pragma once

#include <optional>
#include <ostream>

namespace mensurio {

// The exit status when the arguments end the program before it starts: 0
// after --help or --version (their text on `out`), 2 after anything else (a
// short German error on `err`). nullopt without arguments: the program starts.
std::optional<int> AnswerCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

// "Mensurio 4.0": the name and the version of the build.
const char* VersionLine();

}  // namespace mensurio
