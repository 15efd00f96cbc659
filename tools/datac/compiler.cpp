#include "compiler.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "catalogue.h"
#include "text.h"

namespace mensurio::datac {
namespace fs = std::filesystem;
using datasource::SourceUnit;

namespace {

constexpr int kInfoRecordSize = 601;
constexpr const char* kMarkers[10] = {"tempC", "tempC", "tempF", "tempK", "tempR",
                                      "tempC", "tempF", "tempR", "tempreaumur", "tempK"};

std::string Stem(const char* file) {
  std::string s = file;
  return s.substr(0, s.find('.'));
}

[[noreturn]] void Fail(const std::string& label, int line, const std::string& field,
                       const std::string& what) {
  std::string where = label;
  if (line > 0) where += ":" + std::to_string(line);
  if (!field.empty()) where += ": Feld " + field;
  throw CompileError(where + ": " + what);
}

}  // namespace

std::string AreaSourcePath(const std::string& dataDir, int area) {
  return dataDir + "/areas/" + Stem(AreaCatalogue(area).file) + ".txt";
}
std::string InfoSourcePath(const std::string& dataDir) { return dataDir + "/info/G_INFO.txt"; }
std::string HelpSourcePath(const std::string& dataDir) { return dataDir + "/help/MSR.HLP.html"; }
std::string ReadmeSourcePath(const std::string& dataDir) { return dataDir + "/README.TXT.txt"; }

Scale ScaleOfMarker(const std::string& marker) {
  if (marker == "tempC") return Scale::Celsius;
  if (marker == "tempF") return Scale::Fahrenheit;
  if (marker == "tempK" || marker == "K") return Scale::Kelvin;
  if (marker == "tempR") return Scale::Rankine;
  if (marker == "tempreaumur") return Scale::Reaumur;
  return Scale::None;
}

const char* MarkerOfRecord(int record_number) {
  return record_number >= 0 && record_number < 10 ? kMarkers[record_number] : nullptr;
}

std::vector<SourceUnit> CompileArea(const std::string& source, int area, const std::string& label) {
  std::vector<SourceUnit> units;
  try {
    units = datasource::ParseSource(source, KindOfArea(area) == AreaKind::WorldTime);
  } catch (const datasource::SourceError& e) {
    Fail(label, e.line, e.field, e.what());
  }
  if (source.find("#!unsorted") == std::string::npos)
    std::stable_sort(units.begin(), units.end(), [](const SourceUnit& a, const SourceUnit& b) {
      return CompareNames(FieldText(a.record.name), FieldText(b.record.name)) < 0;
    });
  if (KindOfArea(area) == AreaKind::Temperature) {
    if (units.size() != 10)
      Fail(label, 0, "", "Temperatur braucht genau zehn Skalen, nicht " + std::to_string(units.size()));
    for (int i = 0; i < 10; ++i) {
      const SourceUnit& u = units[static_cast<size_t>(i)];
      if (ScaleOfMarker(u.check) != ScaleOfMarker(kMarkers[i]))
        Fail(label, u.line, "check",
             "Skala \"" + u.check + "\" steht nach der Namensordnung an Platz " + std::to_string(i) +
                 ", dort gehört \"" + kMarkers[i] + "\" hin");
    }
  }
  return units;
}

std::string RecordBytes(const std::vector<SourceUnit>& units) {
  std::string bytes;
  bytes.reserve(units.size() * kRecordSize);
  for (const SourceUnit& u : units) bytes.append(reinterpret_cast<const char*>(&u.record), kRecordSize);
  return bytes;
}

std::string Decompile(const std::string& bytes, int area) {
  const Area& a = AreaCatalogue(area);
  std::ostringstream out;
  out << "# " << a.name << " (" << a.file << "), Basiseinheit " << a.base_unit << "\n";
  out << "# visible | origin | symbol | name | factor | other_name | validity | field_of_use | "
         "approx_value | check | source\n";
  size_t n = bytes.size() / kRecordSize;
  std::vector<UnitRecord> records(n);
  for (size_t i = 0; i < n; ++i) std::memcpy(&records[i], bytes.data() + i * kRecordSize, kRecordSize);
  bool sorted = true;
  for (size_t i = 1; i < n; ++i)
    if (CompareNames(FieldText(records[i - 1].name), FieldText(records[i].name)) > 0) sorted = false;
  if (!sorted) out << "#!unsorted\n";
  bool temperature = KindOfArea(area) == AreaKind::Temperature;
  for (size_t i = 0; i < n; ++i) {
    const char* marker = temperature ? MarkerOfRecord(static_cast<int>(i)) : nullptr;
    std::string line =
        datasource::FormatLine(records[i], marker ? marker : "", KindOfArea(area) == AreaKind::WorldTime);
    out << line << "\n";
  }
  return out.str();
}

std::string CompileInfo(const std::string& source, const std::string& label) {
  std::vector<std::string> texts(kAreaCount);
  std::vector<bool> seen(kAreaCount, false);
  int current = 0, lineNo = 0;
  std::vector<std::string> lines;
  auto flush = [&] {
    if (current == 0) return;
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    size_t first = 0;
    while (first < lines.size() && lines[first].empty()) ++first;
    std::string text;
    for (size_t i = first; i < lines.size(); ++i) text += (i > first ? "\r\n" : "") + lines[i];
    auto cp = Utf8ToCp1252(text);
    if (!cp) Fail(label, lineNo, "", "Zeichen außerhalb von Windows-1252 im Text von Gebiet " + std::to_string(current));
    if (cp->size() > 600)
      Fail(label, lineNo, "", "Text von Gebiet " + std::to_string(current) + " hat " +
                                  std::to_string(cp->size()) + " Zeichen, höchstens 600");
    texts[static_cast<size_t>(current - 1)] = *cp;
    lines.clear();
  };
  std::istringstream in(source);
  for (std::string line; std::getline(in, line);) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.pop_back();
    if (line.rfind("==", 0) == 0) {
      flush();
      int n = std::atoi(line.c_str() + 2);
      if (!IsValidArea(n) || seen[static_cast<size_t>(n - 1)])
        Fail(label, lineNo, "", "Gebietsnummer fehlt, ist doppelt oder liegt nicht in 1..47");
      std::string name = line.substr(line.find_first_of("0123456789") + std::to_string(n).size());
      name.erase(0, name.find_first_not_of(' '));
      if (name != AreaCatalogue(n).name)
        Fail(label, lineNo, "", "Gebiet " + std::to_string(n) + " heißt \"" + AreaCatalogue(n).name + "\"");
      seen[static_cast<size_t>(n - 1)] = true;
      current = n;
    } else if (current != 0) {
      lines.push_back(line);
    } else if (!line.empty() && line[0] != '#') {
      Fail(label, lineNo, "", "Text vor dem ersten Gebiet");
    }
  }
  flush();
  for (int n = 1; n <= kAreaCount; ++n)
    if (!seen[static_cast<size_t>(n - 1)]) Fail(label, 0, "", "Text für Gebiet " + std::to_string(n) + " fehlt");
  std::string bytes(static_cast<size_t>(kAreaCount) * kInfoRecordSize, '\0');
  for (size_t i = 0; i < texts.size(); ++i) std::memcpy(&bytes[i * kInfoRecordSize], texts[i].data(), texts[i].size());
  return bytes;
}

std::string CompileText(const std::string& utf8, const std::string& label) {
  auto cp = Utf8ToCp1252(utf8);
  if (!cp) Fail(label, 0, "", "Zeichen außerhalb von Windows-1252");
  std::string out;
  for (char c : *cp) {
    if (c == '\r') continue;
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

std::string DefaultSettings() { return "1\r\n0\r\n0\r\n" + std::string(kOriginCount, '1'); }

std::vector<std::string> CheckDirectory(const std::string& dir) {
  std::vector<std::string> problems;
  for (int area = 1; area <= kAreaCount; ++area) {
    std::string file = AreaCatalogue(area).file;
    std::string path = dir + "/" + file;
    std::error_code ec;
    if (!fs::exists(path, ec)) {
      problems.push_back(file + ": fehlt");
      continue;
    }
    std::string bytes = ReadFile(path);
    if (bytes.size() % kRecordSize != 0)
      problems.push_back(file + ": Länge " + std::to_string(bytes.size()) + " ist kein Vielfaches von 258");
    size_t n = bytes.size() / kRecordSize;
    std::string previous;
    for (size_t i = 0; i < n; ++i) {
      UnitRecord r;
      std::memcpy(&r, bytes.data() + i * kRecordSize, kRecordSize);
      std::string where = file + ": Satz " + std::to_string(i) + ": ";
      if (r.visible > 1) problems.push_back(where + "visible " + std::to_string(r.visible) + " ist weder 0 noch 1");
      if (r.origin < 1 || r.origin > kOriginCount)
        problems.push_back(where + "origin " + std::to_string(r.origin) + " liegt nicht in 1..91");
      auto terminated = [&](const char* field, size_t size, const char* label) {
        if (std::memchr(field, 0, size) == nullptr) problems.push_back(where + label + " ohne Endezeichen");
      };
      terminated(r.symbol, sizeof r.symbol, "symbol");
      terminated(r.name, sizeof r.name, "name");
      terminated(r.other_name, sizeof r.other_name, "other_name");
      terminated(r.validity, sizeof r.validity, "validity");
      terminated(r.field_of_use, sizeof r.field_of_use, "field_of_use");
      terminated(r.spare_text_1, sizeof r.spare_text_1, "spare_text_1");
      terminated(r.approx_value, sizeof r.approx_value, "approx_value");
      terminated(r.spare_text_2, sizeof r.spare_text_2, "spare_text_2");
      terminated(r.spare_text_3, sizeof r.spare_text_3, "spare_text_3");
      std::string name = FieldText(r.name);
      if (i > 0 && CompareNames(previous, name) > 0)
        problems.push_back(where + "\"" + Cp1252ToUtf8(name) + "\" steht vor \"" + Cp1252ToUtf8(previous) +
                           "\" nicht in Namensordnung");
      previous = name;
    }
  }
  return problems;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw CompileError(path + ": nicht lesbar");
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteFileAtomically(const std::string& path, const std::string& bytes) {
  std::string tmp = path + ".tmp";
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::remove(tmp.c_str());
      throw CompileError(path + ": nicht schreibbar");
    }
  }
  std::error_code ec;
  fs::rename(tmp, path, ec);
  if (ec) {
    std::remove(tmp.c_str());
    throw CompileError(path + ": nicht schreibbar (" + ec.message() + ")");
  }
}

void CompileAll(const std::string& dataDir, const std::string& outDir) {
  std::vector<std::pair<std::string, std::string>> outputs;
  for (int area = 1; area <= kAreaCount; ++area) {
    std::string src = AreaSourcePath(dataDir, area);
    outputs.emplace_back(AreaCatalogue(area).file, RecordBytes(CompileArea(ReadFile(src), area, src)));
  }
  outputs.emplace_back(kInfoFile, CompileInfo(ReadFile(InfoSourcePath(dataDir)), InfoSourcePath(dataDir)));
  outputs.emplace_back(kHelpFile, ReadFile(HelpSourcePath(dataDir)));
  outputs.emplace_back(kReadmeFile, CompileText(ReadFile(ReadmeSourcePath(dataDir)), ReadmeSourcePath(dataDir)));
  outputs.emplace_back(kSettingsFile, DefaultSettings());
  fs::create_directories(outDir);
  for (const auto& [name, bytes] : outputs) WriteFileAtomically(outDir + "/" + name, bytes);
}

}  // namespace mensurio::datac
