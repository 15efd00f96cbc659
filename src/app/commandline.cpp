#include "commandline.h"

#include <cstring>

namespace mensurio {
namespace {

constexpr const char* kUsage = "Aufruf: mensurio [--help | --version]\n";

constexpr const char* kHelp =
    "\n"
    "Mensurio rechnet Maßeinheiten um: Länge, Masse, Druck, Temperatur,\n"
    "Währungen, Weltzeit und 41 weitere Bereiche. Das Programm hat ein Fenster\n"
    "und wird mit Maus und Tastatur bedient.\n"
    "\n"
    "  --help     zeigt diese Hilfe und endet\n"
    "  --version  zeigt die Versionsnummer und endet\n"
    "\n"
    "Die Daten liegen in $MENSURIO_DIR, sonst in $XDG_DATA_HOME/mensurio oder\n"
    "~/.local/share/mensurio. Ein leeres Verzeichnis wird beim Start mit den\n"
    "mitgelieferten Daten gefüllt. Mehr in mensurio(1).\n";

}  // namespace

const char* VersionLine() { return "Mensurio " MENSURIO_VERSION; }

std::optional<int> AnswerCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  if (argc < 2) return std::nullopt;
  const bool help = std::strcmp(argv[1], "--help") == 0;
  const bool version = std::strcmp(argv[1], "--version") == 0;
  if (argc == 2 && help) {
    out << kUsage << kHelp;
    return 0;
  }
  if (argc == 2 && version) {
    out << VersionLine() << "\n";
    return 0;
  }
  // Either one alone; otherwise the first argument too many is named.
  const char* odd = help || version ? argv[2] : argv[1];
  err << "mensurio: unerwartetes Argument \"" << odd << "\"\n" << kUsage;
  return 2;
}

}  // namespace mensurio
