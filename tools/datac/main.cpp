// datac: the data compiler.
//   datac compile DATA_DIR OUT_DIR    sources -> the program's files
//   datac decompile FILE.DAT          an area file -> source on stdout
//   datac check DIR                   checks the area files of DIR
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "catalogue.h"
#include "compiler.h"

using namespace mensurio;

namespace {

int AreaOfFile(const std::string& path) {
  std::string base = path.substr(path.find_last_of('/') + 1);
  for (int n = 1; n <= kAreaCount; ++n)
    if (base == AreaCatalogue(n).file) return n;
  return 0;
}

int Usage() {
  std::cerr << "Aufruf: datac compile DATENVERZEICHNIS AUSGABEVERZEICHNIS\n"
               "        datac decompile DATEI.DAT\n"
               "        datac check VERZEICHNIS\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  std::string mode = argv[1];
  try {
    if (mode == "compile" && argc == 4) {
      datac::CompileAll(argv[2], argv[3]);
      return 0;
    }
    if (mode == "decompile" && argc == 3) {
      int area = AreaOfFile(argv[2]);
      if (area == 0) {
        std::cerr << argv[2] << ": kein Name einer Gebietsdatei\n";
        return 1;
      }
      std::cout << datac::Decompile(datac::ReadFile(argv[2]), area);
      return 0;
    }
    if (mode == "check" && argc == 3) {
      auto problems = datac::CheckDirectory(argv[2]);
      for (const auto& p : problems) std::cout << p << "\n";
      if (problems.empty()) std::cout << "Alle 47 Gebietsdateien in Ordnung.\n";
      return problems.empty() ? 0 : 1;
    }
  } catch (const datac::CompileError& e) {
    std::cerr << "datac: " << e.what() << "\n";
    return 1;
  }
  return Usage();
}
