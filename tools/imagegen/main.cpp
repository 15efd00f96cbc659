// imagegen: draws the program's pictures from resources/origins.txt and its
// own drawing code.
//   imagegen [--designs FILE] --out DIR              everything into DIR
//   imagegen [--designs FILE] --contact-sheet FILE   the sheet of the 91 origin
//            [--zoom N] [--codes LIST]               images; N adds an N x column,
//                                                    LIST ("21-40,63") picks codes
//   imagegen --artwork-sheet FILE [--zoom N]         glyphs, earth and icon
//   imagegen [--designs FILE] --check                reads the description only
// The default description is the source tree's resources/origins.txt.
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "design.h"
#include "generate.h"

#ifndef MENSURIO_DEFAULT_DESIGNS
#define MENSURIO_DEFAULT_DESIGNS "resources/origins.txt"
#endif

using namespace mensurio::imagegen;

namespace {

int Usage() {
  std::cerr << "Aufruf: imagegen [--designs DATEI] --out VERZEICHNIS\n"
               "        imagegen [--designs DATEI] --contact-sheet DATEI.png [--zoom N] [--codes LISTE]\n"
               "        imagegen --artwork-sheet DATEI.png [--zoom N]\n"
               "        imagegen [--designs DATEI] --check\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  // Drawing needs no screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  std::string designs = MENSURIO_DEFAULT_DESIGNS, out, sheet, artwork;
  bool check = false;
  int zoom = 0;
  std::vector<int> codes;
  for (int k = 1; k < argc; ++k) {
    std::string a = argv[k];
    bool more = k + 1 < argc;
    if (a == "--designs" && more)
      designs = argv[++k];
    else if (a == "--out" && more)
      out = argv[++k];
    else if (a == "--contact-sheet" && more)
      sheet = argv[++k];
    else if (a == "--artwork-sheet" && more)
      artwork = argv[++k];
    else if (a == "--zoom" && more) {
      zoom = std::atoi(argv[++k]);
      if (zoom < 1 || zoom > 16) return Usage();
    } else if (a == "--codes" && more) {
      try {
        codes = ParseCodeList(argv[++k]);
      } catch (const std::exception& e) {
        std::cerr << "imagegen: " << e.what() << "\n";
        return 2;
      }
    } else if (a == "--check")
      check = true;
    else
      return Usage();
  }
  if (out.empty() && sheet.empty() && artwork.empty() && !check) return Usage();

  QGuiApplication app(argc, argv);
  try {
    if (!artwork.empty()) {
      SavePng(ArtworkSheet(zoom), artwork);
      if (out.empty() && sheet.empty() && !check) return 0;
    }
    DesignSet set = LoadDesigns(designs);
    if (!out.empty()) WriteAll(set, out);
    if (!sheet.empty()) SavePng(ContactSheet(set, zoom, codes), sheet);
  } catch (const std::exception& e) {
    std::cerr << "imagegen: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
