// Compiles the readable sources of data/ into the program's files, turns
// area files back into source and checks a directory of area files.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "datasource.h"
#include "unitrecord.h"

namespace mensurio::datac {

struct CompileError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Source directory layout below data/.
std::string AreaSourcePath(const std::string& dataDir, int area);  // areas/LAENGE.txt
std::string InfoSourcePath(const std::string& dataDir);            // info/G_INFO.txt
std::string HelpSourcePath(const std::string& dataDir);            // help/MSR.HLP.html
std::string ReadmeSourcePath(const std::string& dataDir);          // README.TXT.txt

// The records of one area in file order: sorted by name (stable) unless the
// source says "#!unsorted"; for "Temperatur" the scale markers of the check
// column must follow the fixed record order. Errors name file, line, field.
std::vector<datasource::SourceUnit> CompileArea(const std::string& source, int area,
                                                const std::string& label);
std::string RecordBytes(const std::vector<datasource::SourceUnit>& units);

// Area file bytes back to source.
std::string Decompile(const std::string& bytes, int area);

// G_INFO.DAT (47 records of 601 bytes) from blocks "== <n> <area name>";
// the lines of a block are joined with CR LF.
std::string CompileInfo(const std::string& source, const std::string& label);

// README.TXT: Windows-1252 with CR LF line ends.
std::string CompileText(const std::string& utf8, const std::string& label);

// The settings file a first start finds: area 1, alphabetical, scientific,
// every origin shown.
std::string DefaultSettings();

// Problems of the area files of a directory, one line each; empty when sound.
std::vector<std::string> CheckDirectory(const std::string& dir);

// Compiles everything of dataDir into outDir; nothing is written unless all
// sources compile. Each file is written to a temporary name and renamed.
void CompileAll(const std::string& dataDir, const std::string& outDir);

std::string ReadFile(const std::string& path);
void WriteFileAtomically(const std::string& path, const std::string& bytes);

// The temperature scale a check marker names ("tempC", "tempF", "tempK",
// "tempR", "tempreaumur"), and the scale each of the ten records must have.
enum class Scale { None, Celsius, Fahrenheit, Kelvin, Rankine, Reaumur };
Scale ScaleOfMarker(const std::string& marker);
const char* MarkerOfRecord(int record_number);  // nullptr above 9

}  // namespace mensurio::datac
