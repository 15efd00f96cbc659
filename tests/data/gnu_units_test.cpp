// Cross-checks the factors of data/areas against GNU units, and the coverage
// of the shipped catalogue: how many units carry such a check, which origins
// occur, and whether docs/catalogue.md still counts what data/areas holds.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>

#include "catalogue.h"
#include "compiler.h"
#include "text.h"

namespace mensurio::datac {
namespace {

const std::string kSourceDir = MENSURIO_SOURCE_DIR;

// The GNU units expression of each ordinary area's base unit: a factor of
// the area is what `units -t -- '<check>' '<base>'` answers.
struct AreaBase {
  int area;
  const char* base;
};
constexpr AreaBase kBases[] = {
    {1, "1"},              // Anzahl
    {2, "J"},              // Arbeit (Energie,Wärme)
    {3, "kJ/kg"},          // Arbeit, spezif.
    {4, "lux"},            // Beleuchtungsstärke
    {5, "1/m"},            // Brechkraft
    {6, "kg/m^3"},         // Dichte
    {7, "bar"},            // Druck
    {8, "A s/m^2"},        // elektr. Flußdichte
    {9, "F"},              // elektr. Kapazität
    {10, "C"},             // elektr. Ladung
    {11, "S"},             // elektr. Leitwert
    {12, "V"},             // elektr. Spannung
    {13, "ohm"},           // elektr. Widerstand
    {14, "J/kg"},          // Energie-Äquivalentdosis
    {15, "m^2"},           // Fläche
    {16, "m/s"},           // Geschwindigkeit
    {17, "H"},             // Induktivität
    {18, "C/kg"},          // Ionendosis
    {19, "N"},             // Kraft, Gewicht
    {20, "m"},             // Länge
    {21, "W"},             // Leistung
    {22, "cd/m^2"},        // Leuchtdichte
    {23, "cd"},            // Lichtstärke
    {24, "lm"},            // Lichtstrom
    {25, "A/m"},           // magn. Feldstärke
    {26, "Wb"},            // magn. Fluß
    {27, "T"},             // magn. Flußdichte
    {28, "A"},             // magn. Spannung
    {29, "kg"},            // Masse
    {30, "kg/s"},          // Massenstrom
    {31, "1/s"},           // Radioaktivität
    {32, "1/(s kg)"},      // Radioaktivität, spezif.
    {33, "1/(s m^3)"},     // Radioaktivität/Volumen
    {34, "A"},             // Stromstärke
    {36, "kg/(m s)"},      // Viskosität, dynam.
    {37, "m^2/s"},         // Viskosität, kinem.
    {38, "m^3"},           // Volumen
    {39, "m^3/kg"},        // Volumen, spezif.
    {40, "m^3/s"},         // Volumenstrom
    {42, "kJ/(kg K)"},     // Wärmekapazität, spezif.
    {43, "W/(m K)"},       // Wärmeleitfähigkeit
    {45, "radian"},        // Winkel
    {46, "sr"},            // Winkel, Raum-
    {47, "s"},             // Zeit
};

// Shown in test names and messages instead of the bytes of the entry.
void PrintTo(const AreaBase& b, std::ostream* os) { *os << b.area << " (" << b.base << ")"; }

// GNU units with a fixed environment: no personal units file, the US meaning
// of the names that differ between the US and Britain (gallon, ton, ...).
constexpr const char* kUnits = "LC_ALL=C UNITS_ENGLISH=US MYUNITSFILE=/dev/null units";

constexpr double kDefaultTolerance = 1e-9;
constexpr double kLargestTolerance = 1e-2;  // a wider one would check nothing

const char* BaseOfArea(int area) {
  for (const AreaBase& b : kBases)
    if (b.area == area) return b.base;
  return nullptr;
}

std::string StemOf(int area) {
  std::string file = AreaCatalogue(area).file;
  return file.substr(0, file.find('.'));
}

std::string LabelOf(int area) { return "data/areas/" + StemOf(area) + ".txt"; }

std::vector<datasource::SourceUnit> SourceUnitsOf(int area) {
  return CompileArea(ReadFile(AreaSourcePath(kSourceDir + "/data", area)), area, LabelOf(area));
}

std::string Trim(const std::string& s) {
  size_t a = s.find_first_not_of(" \t\r\n");
  if (a == std::string::npos) return "";
  size_t b = s.find_last_not_of(" \t\r\n");
  return s.substr(a, b - a + 1);
}

std::string ShellQuote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// Output (stdout) and exit status of a shell command.
std::string Run(const std::string& command, int* status) {
  std::string out;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) {
    *status = -1;
    return out;
  }
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
  int rc = ::pclose(pipe);
  *status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
  return out;
}

// Empty when GNU units can be run, otherwise why not.
std::string UnitsMissing() {
  int status = 0;
  std::string out = Run(std::string(kUnits) + " -V 2>&1", &status);
  if (status == 0 && out.find("GNU Units") != std::string::npos) return "";
  return "GNU units ist nicht aufrufbar (Debian-Paket \"units\", \"make deps\" installiert es): " +
         (status == 127 ? std::string("Befehl units nicht gefunden") : Trim(out));
}

// A check text: the GNU units expression and the relative tolerance.
struct Check {
  std::string expression;
  double tolerance = kDefaultTolerance;
  std::string error;  // not empty when the text is faulty
};

Check SplitCheck(const std::string& text) {
  Check c;
  size_t at = text.rfind(" ~");
  if (at == std::string::npos) {
    c.expression = Trim(text);
    return c;
  }
  c.expression = Trim(text.substr(0, at));
  std::string tol = Trim(text.substr(at + 2));
  char* end = nullptr;
  double t = std::strtod(tol.c_str(), &end);
  if (tol.empty() || *end != '\0' || !(t > 0) || t > kLargestTolerance)
    c.error = "Toleranz \"" + tol + "\" ist keine Zahl über 0 bis " + std::to_string(kLargestTolerance);
  else
    c.tolerance = t;
  if (c.expression.empty()) c.error = "kein Ausdruck vor der Toleranz";
  return c;
}

// One factor to compare.
struct Item {
  std::string where;  // file:line
  std::string unit;   // name, UTF-8
  long double factor;
  std::string check;
  std::string base;
};

struct Answer {
  bool number = false;
  double value = 0;
  std::string text;  // what units printed
};

// True when text names nothing but the two dimensionless primitives of the
// units database (radian, sr), which units converts into each other and into
// pure numbers; a ratio of angles is then still a plain number.
bool OnlyDimensionlessUnits(const std::string& text) {
  std::istringstream words(text);
  for (std::string w; words >> w;) {
    if (w == "/") continue;
    std::string unit = w.substr(0, w.find('^'));
    std::string power = w.size() > unit.size() ? w.substr(unit.size() + 1) : "1";
    if ((unit != "radian" && unit != "sr") || power.empty() ||
        power.find_first_not_of("0123456789") != std::string::npos)
      return false;
  }
  return true;
}

// Asks one units process for all expressions at once. Each is asked as the
// ratio "(expression)/(base)" with an empty second line, which prints a bare
// number exactly when the two are conformable; a numbered marker query
// follows each one, so that messages of several lines (or none) cannot shift
// the answers of the later queries.
std::vector<Answer> AskUnits(const std::vector<std::pair<std::string, std::string>>& queries,
                             std::string* trouble) {
  constexpr long long kMarkerBase = 700000000000LL;
  std::string dir = ::testing::TempDir();
  std::string stem = dir + (dir.empty() || dir.back() == '/' ? "" : "/") + "gnu-units-" +
                     std::to_string(::getpid());
  std::string input = stem + ".in", errors = stem + ".err";
  {
    std::ofstream in(input, std::ios::binary | std::ios::trunc);
    for (size_t i = 0; i < queries.size(); ++i)
      in << "(" << queries[i].first << ")/(" << queries[i].second << ")\n\n"
         << kMarkerBase + static_cast<long long>(i) << "\n\n";
  }
  int status = 0;
  std::string out = Run(std::string(kUnits) + " -t -o %.17g < " + ShellQuote(input) + " 2> " + ShellQuote(errors),
                        &status);
  std::string err = Trim(ReadFile(errors));
  std::filesystem::remove(input);
  std::filesystem::remove(errors);
  if (status != 0 || !err.empty())
    *trouble = "units endete mit Status " + std::to_string(status) + (err.empty() ? "" : ": " + err);

  std::vector<Answer> answers(queries.size());
  std::istringstream lines(out);
  std::string line;
  for (size_t i = 0; i < queries.size(); ++i) {
    std::string marker = std::to_string(kMarkerBase + static_cast<long long>(i));
    std::vector<std::string> got;
    bool found = false;
    while (std::getline(lines, line)) {
      line = Trim(line);
      if (line == marker) {
        found = true;
        break;
      }
      got.push_back(line);
    }
    Answer& a = answers[i];
    for (const auto& g : got) a.text += (a.text.empty() ? "" : " / ") + g;
    if (!found) {
      a.text = "keine Antwort von units";
      continue;
    }
    if (got.size() == 1 && !got[0].empty()) {
      char* end = nullptr;
      double v = std::strtod(got[0].c_str(), &end);
      a.number = end != got[0].c_str() && OnlyDimensionlessUnits(end) && std::isfinite(v);
      a.value = v;
    }
  }
  return answers;
}

// The plain command's output for a failure report.
std::string PlainUnitsOutput(const std::string& expression, const std::string& base) {
  int status = 0;
  std::string out = Run(std::string(kUnits) + " -t -- " + ShellQuote(expression) + " " + ShellQuote(base) + " 2>&1",
                        &status);
  std::string text;
  std::istringstream lines(out);
  for (std::string l; std::getline(lines, l);) text += (text.empty() ? "" : " / ") + Trim(l);
  return text.empty() ? "keine Ausgabe" : text;
}

std::string Number(long double v) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15Lg", v);
  return buffer;
}

// For every item an empty text when its factor agrees with GNU units,
// otherwise the reason.
std::vector<std::string> CompareWithUnits(const std::vector<Item>& items, std::string* trouble) {
  std::vector<std::string> result(items.size());
  std::vector<Check> checks;
  std::vector<std::pair<std::string, std::string>> queries;
  std::vector<size_t> asked;
  for (size_t i = 0; i < items.size(); ++i) {
    checks.push_back(SplitCheck(items[i].check));
    if (!checks[i].error.empty()) continue;
    queries.emplace_back(checks[i].expression, items[i].base);
    asked.push_back(i);
  }
  std::vector<Answer> answers = AskUnits(queries, trouble);
  for (size_t k = 0; k < asked.size(); ++k) {
    size_t i = asked[k];
    const Item& item = items[i];
    const Answer& a = answers[k];
    std::string command = "units -t -- " + ShellQuote(checks[i].expression) + " " + ShellQuote(item.base);
    if (!a.number) {
      result[i] = command + " gibt keine Zahl: " + PlainUnitsOutput(checks[i].expression, item.base) +
                  " (als Verhältnis: " + (a.text.empty() ? "keine Ausgabe" : a.text) + ")";
      continue;
    }
    long double theirs = a.value;
    long double deviation = std::fabs(item.factor - theirs) / std::fabs(theirs);
    if (!(deviation <= checks[i].tolerance))
      result[i] = command + " gibt " + Number(theirs) + ", Faktor ist " + Number(item.factor) +
                  " (relative Abweichung " + Number(deviation) + ", erlaubt " + Number(checks[i].tolerance) + ")";
  }
  for (size_t i = 0; i < items.size(); ++i)
    if (!checks[i].error.empty()) result[i] = "check \"" + items[i].check + "\": " + checks[i].error;
  return result;
}

TEST(GnuUnits, IsInstalled) {
  std::string missing = UnitsMissing();
  EXPECT_EQ(missing, "");
}

// The comparison itself: wrong factors, unknown and non-conformable
// expressions and faulty tolerances are caught, and a failing query does not
// disturb the answers after it.
TEST(GnuUnits, ComparisonCatchesWrongFactors) {
  std::string missing = UnitsMissing();
  if (!missing.empty()) FAIL() << missing;
  struct Case {
    long double factor;
    const char* check;
    const char* base;
    const char* failure;  // "" = agrees; otherwise a part of the reason
  };
  const Case cases[] = {
      {0.3048L, "foot", "m", ""},
      {0.3047L, "foot", "m", "relative Abweichung"},
      {0.3048000001L, "foot", "m", ""},                      // 3e-10 below the default 1e-9
      {0.304800001L, "foot", "m", "relative Abweichung"},   // 3e-9 above it
      {1.0L, "xyzzyunit", "m", "Unknown unit"},
      {0.0254L, "inch", "m", ""},
      {1.0L, "kg", "m", "conformability"},
      {0.30479L, "foot ~1e-4", "m", ""},
      {0.30479L, "foot ~1e-6", "m", "relative Abweichung"},
      {0.3048L, "foot ~abc", "m", "Toleranz"},
      {0.3048L, "foot ~0.5", "m", "Toleranz"},
      {1.0L, "foot +", "m", "keine Zahl"},
      {100000.0L, "bar", "Pa", ""},
      {9.80665L, "kgf", "N", ""},
      {3600.0L, "A hour", "C", ""},
      {4.1868L, "calorie_IT/g K", "kJ/(kg K)", ""},
      {1.0L, "1|0", "1", "keine Zahl"},
      {745.69987158227022L, "hp", "W", ""},
      {1.0L, "Hz", "s", "conformability"},
      {12.0L, "dozen", "1", ""},
      {0.00030461741978670857L, "deg^2", "sr", ""},
      {3600.0L, "deg", "arcsec", ""},
      {1.0L, "m", "m^2", "conformability"},
  };
  std::vector<Item> items;
  for (const auto& c : cases) items.push_back({"t", c.check, c.factor, c.check, c.base});
  std::string trouble;
  auto result = CompareWithUnits(items, &trouble);
  EXPECT_EQ(trouble, "");
  for (size_t i = 0; i < items.size(); ++i) {
    const Case& c = cases[i];
    if (*c.failure == '\0')
      EXPECT_EQ(result[i], "") << c.check << " " << c.base;
    else
      EXPECT_NE(result[i].find(c.failure), std::string::npos)
          << c.check << " " << c.base << ": \"" << result[i] << "\" should contain \"" << c.failure << "\"";
  }
}

TEST(GnuUnits, TableNamesEveryOrdinaryArea) {
  for (int n = 1; n <= kAreaCount; ++n)
    EXPECT_EQ(BaseOfArea(n) != nullptr, KindOfArea(n) == AreaKind::Ordinary) << AreaCatalogue(n).name;
}

// One test per ordinary area, named after its file.
class GnuUnitsArea : public ::testing::TestWithParam<AreaBase> {};

TEST_P(GnuUnitsArea, EveryCheckedFactorAgrees) {
  std::string missing = UnitsMissing();
  if (!missing.empty()) FAIL() << missing;
  const int area = GetParam().area;
  auto start = std::chrono::steady_clock::now();
  std::vector<Item> items;
  for (const auto& u : SourceUnitsOf(area))
    if (!Trim(u.check).empty())
      items.push_back({LabelOf(area) + ":" + std::to_string(u.line), Cp1252ToUtf8(FieldText(u.record.name)),
                       u.record.Factor(), u.check, GetParam().base});
  std::string trouble;
  auto result = CompareWithUnits(items, &trouble);
  EXPECT_EQ(trouble, "");
  int failures = 0;
  for (size_t i = 0; i < items.size(); ++i)
    if (!result[i].empty()) {
      ++failures;
      ADD_FAILURE() << items[i].where << ": " << items[i].unit << ": " << result[i];
    }
  double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  std::cout << AreaCatalogue(area).name << ": " << items.size() << " Faktoren mit GNU units verglichen, "
            << failures << " abweichend (" << ms << " ms)\n";
}

INSTANTIATE_TEST_SUITE_P(Areas, GnuUnitsArea, ::testing::ValuesIn(kBases),
                         [](const ::testing::TestParamInfo<AreaBase>& info) { return StemOf(info.param.area); });

// Units of ordinary areas (temperatures, world time and currencies aside)
// that carry a GNU units check, over the whole catalogue.
TEST(ShippedCatalogue, MostUnitsHaveAGnuUnitsCheck) {
  int checked = 0, total = 0;
  for (int n = 1; n <= kAreaCount; ++n) {
    if (KindOfArea(n) != AreaKind::Ordinary) continue;
    for (const auto& u : SourceUnitsOf(n)) {
      ++total;
      checked += !Trim(u.check).empty();
    }
  }
  ASSERT_GT(total, 0);
  double share = 100.0 * checked / total;
  std::cout << checked << " von " << total << " Einheiten mit GNU-units-Prüfung (" << share << " %)\n";
  EXPECT_GE(share, 60.0);
}

// Every origin the countries dialog offers has units. The areas are filled by
// several hands, so the check waits until the catalogue is about complete.
TEST(ShippedCatalogue, EveryNamedOriginIsUsed) {
  std::set<int> used;
  size_t total = 0;
  for (int n = 1; n <= kAreaCount; ++n)
    for (const auto& u : SourceUnitsOf(n)) {
      used.insert(u.record.origin);
      ++total;
    }
  std::string absent;
  for (int code = 1; code <= kOriginCount; ++code) {
    if (code == kOwnUnitOrigin || *OriginName(code) == '\0') continue;
    if (!used.count(code)) absent += " " + std::to_string(code) + " " + OriginName(code) + ";";
  }
  if (total < 1500)
    GTEST_SKIP() << "erst " << total << " Einheiten in data/areas; Herkunft ohne Einheit:" << absent;
  EXPECT_EQ(absent, "") << "Herkunft ohne Einheit:" << absent;
}

TEST(ShippedCatalogue, NameAndOriginAreUniqueInEveryArea) {
  for (int n = 1; n <= kAreaCount; ++n) {
    std::map<std::pair<std::string, int>, int> seen;
    for (const auto& u : SourceUnitsOf(n)) {
      auto key = std::make_pair(FieldText(u.record.name), static_cast<int>(u.record.origin));
      auto [it, fresh] = seen.emplace(key, u.line);
      EXPECT_TRUE(fresh) << LabelOf(n) << ":" << u.line << ": " << Cp1252ToUtf8(key.first) << " (Herkunft "
                         << key.second << ") steht schon in Zeile " << it->second;
    }
  }
}

TEST(ShippedCatalogue, EveryUnitNamesItsSource) {
  for (int n = 1; n <= kAreaCount; ++n)
    for (const auto& u : SourceUnitsOf(n))
      EXPECT_NE(Trim(u.source), "") << LabelOf(n) << ":" << u.line << ": "
                                    << Cp1252ToUtf8(FieldText(u.record.name)) << " ohne Quelle";
}

// docs/catalogue.md (written by tools/catalogue-table.sh): one row per area
// "| n | name | file | base unit | count |" and a last row "| | Summe | | | total |".
TEST(CatalogueTable, CountsWhatDataAreasHolds) {
  std::string path = kSourceDir + "/docs/catalogue.md";
  if (!std::filesystem::exists(path)) GTEST_SKIP() << "docs/catalogue.md fehlt";
  std::map<std::string, std::vector<std::string>> rows;  // first cell -> cells
  std::istringstream in(ReadFile(path));
  for (std::string line; std::getline(in, line);) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '|' || line.back() != '|') continue;
    std::vector<std::string> cells;
    std::istringstream cellStream(line.substr(1, line.size() - 2));
    for (std::string cell; std::getline(cellStream, cell, '|');) cells.push_back(Trim(cell));
    if (cells.size() != 5) continue;
    std::string key = cells[0].empty() ? cells[1] : cells[0];
    rows[key] = cells;
  }
  const char* hint = " (tools/catalogue-table.sh schreibt die Tabelle neu)";
  size_t total = 0;
  for (int n = 1; n <= kAreaCount; ++n) {
    size_t count = SourceUnitsOf(n).size();
    total += count;
    auto it = rows.find(std::to_string(n));
    if (it == rows.end()) {
      ADD_FAILURE() << "docs/catalogue.md: keine Zeile für Gebiet " << n << hint;
      continue;
    }
    const auto& c = it->second;
    EXPECT_EQ(c[1], AreaCatalogue(n).name) << n << hint;
    EXPECT_EQ(c[2], AreaCatalogue(n).file) << n << hint;
    EXPECT_EQ(c[3], AreaCatalogue(n).base_unit) << n << hint;
    EXPECT_EQ(c[4], std::to_string(count)) << AreaCatalogue(n).name << hint;
  }
  ASSERT_TRUE(rows.count("Summe")) << "docs/catalogue.md: keine Summenzeile" << hint;
  EXPECT_EQ(rows["Summe"][4], std::to_string(total)) << hint;
}

}  // namespace
}  // namespace mensurio::datac
