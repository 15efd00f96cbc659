// Checks of the companion texts: the area notes in G_INFO.DAT, the help file
// and README.TXT, as the build compiled them from data/.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "catalogue.h"
#include "compiler.h"
#include "text.h"

namespace mensurio::datac {
namespace {

const std::string kBuilt = MENSURIO_BUILD_DATA;
const std::string kSources = MENSURIO_SOURCE_DIR "/data";
constexpr size_t kInfoRecord = 601;

std::string Cp(const std::string& utf8) {
  auto cp = Utf8ToCp1252(utf8);
  EXPECT_TRUE(cp.has_value()) << utf8;
  return cp.value_or("");
}

// The text of record n-1 of a G_INFO.DAT image, up to its terminating zero.
std::string InfoText(const std::string& bytes, int area) {
  std::string record = bytes.substr(static_cast<size_t>(area - 1) * kInfoRecord, kInfoRecord);
  return record.substr(0, record.find('\0'));
}

bool IsWordChar(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c >= 0xC0 ||
         c == 0xB2 || c == 0xB3;  // ² ³ belong to the unit before them
}

// Whether `token` stands in `text` on its own, not as part of a longer word.
bool HasToken(const std::string& text, const std::string& token) {
  for (size_t at = text.find(token); at != std::string::npos; at = text.find(token, at + 1)) {
    bool before = at == 0 || !IsWordChar(static_cast<unsigned char>(text[at - 1]));
    size_t end = at + token.size();
    bool after = end == text.size() || !IsWordChar(static_cast<unsigned char>(text[end]));
    if (before && after) return true;
  }
  return false;
}

// Each note names the quantity's SI unit (or, where it has no name of its own,
// the area's base unit) and writes the unit's symbol as a word of its own.
struct NoteUnit {
  int area;
  const char* unit_name;
  const char* symbol;
};
const NoteUnit kNoteUnits[] = {
    {1, "Eins", "Stück"},
    {2, "Joule", "J"},
    {3, "kJ/kg", "J/kg"},
    {4, "Lux", "lx"},
    {5, "Dioptrie", "dpt"},
    {6, "kg/m^3", "kg/m³"},
    {7, "Pascal", "Pa"},
    {8, "A s/m^2", "C/m²"},
    {9, "Farad", "F"},
    {10, "Coulomb", "C"},
    {11, "Siemens", "S"},
    {12, "Volt", "V"},
    {13, "Ohm", "V/A"},
    {14, "Gray", "Gy"},
    {15, "Quadratmeter", "m²"},
    {16, "Meter je Sekunde", "m/s"},
    {17, "Henry", "H"},
    {18, "Coulomb je Kilogramm", "C/kg"},
    {19, "Newton", "N"},
    {20, "Meter", "m"},
    {21, "Watt", "W"},
    {22, "cd/m^2", "cd/m²"},
    {23, "Candela", "cd"},
    {24, "Lumen", "lm"},
    {25, "Ampere je Meter", "A/m"},
    {26, "Weber", "Wb"},
    {27, "Tesla", "T"},
    {28, "Ampere", "A"},
    {29, "Kilogramm", "kg"},
    {30, "kg/s", "kg/s"},
    {31, "Becquerel", "Bq"},
    {32, "1/s kg", "Bq/kg"},
    {33, "1/(sec m^3)", "Bq/m³"},
    {34, "Ampere", "A"},
    {35, "Kelvin", "K"},
    {36, "Pascalsekunde", "Pa·s"},
    {37, "m^2/s", "m²/s"},
    {38, "Kubikmeter", "m³"},
    {39, "m^3/kg", "m³/kg"},
    {40, "m^3/s", "m³/s"},
    {41, "Deutsche Mark", "DM"},
    {42, "kJ/kg K", "J/(kg·K)"},
    {43, "W/m K", "W/(m·K)"},
    {44, "Weltzeit", "UTC"},
    {45, "Radiant", "rad"},
    {46, "Steradiant", "sr"},
    {47, "Sekunde", "s"},
};

TEST(AreaNotes, TableCoversEveryAreaOnce) {
  std::set<int> areas;
  for (const auto& n : kNoteUnits) areas.insert(n.area);
  EXPECT_EQ(areas.size(), static_cast<size_t>(kAreaCount));
  EXPECT_EQ(std::size(kNoteUnits), static_cast<size_t>(kAreaCount));
}

TEST(AreaNotes, BuiltFileMatchesTheSource) {
  std::string built = ReadFile(kBuilt + "/" + kInfoFile);
  EXPECT_EQ(built.size(), kAreaCount * kInfoRecord);
  EXPECT_EQ(built, CompileInfo(ReadFile(InfoSourcePath(kSources)), "G_INFO"));
}

TEST(AreaNotes, LengthAndLayoutOfEveryNote) {
  std::string bytes = ReadFile(kBuilt + "/" + kInfoFile);
  ASSERT_EQ(bytes.size(), kAreaCount * kInfoRecord);
  size_t shortest = 600, longest = 0;
  for (int area = 1; area <= kAreaCount; ++area) {
    const std::string name = AreaCatalogue(area).name;
    std::string text = InfoText(bytes, area);
    shortest = std::min(shortest, text.size());
    longest = std::max(longest, text.size());
    EXPECT_GE(text.size(), 100u) << name;
    EXPECT_LE(text.size(), 600u) << name;
    // Lines are joined with CR LF; no line ends in a blank, no tab or other
    // control character, and the note neither starts nor ends with a line end.
    size_t start = 0;
    for (;;) {
      size_t end = text.find("\r\n", start);
      std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
      EXPECT_FALSE(!line.empty() && line.back() == ' ') << name << ": \"" << Cp1252ToUtf8(line) << "\"";
      for (unsigned char c : line) EXPECT_GE(c, 32) << name << ": control character " << int(c);
      if (end == std::string::npos) break;
      start = end + 2;
    }
    EXPECT_NE(text.substr(0, 2), "\r\n") << name;
    EXPECT_NE(text.substr(text.size() >= 2 ? text.size() - 2 : 0), "\r\n") << name;
    EXPECT_EQ(text.find("\r\n\r\n\r\n"), std::string::npos) << name << ": two empty lines in a row";
  }
  RecordProperty("shortest", static_cast<int>(shortest));
  RecordProperty("longest", static_cast<int>(longest));
}

TEST(AreaNotes, EveryNoteNamesItsUnit) {
  std::string bytes = ReadFile(kBuilt + "/" + kInfoFile);
  ASSERT_EQ(bytes.size(), kAreaCount * kInfoRecord);
  for (const auto& n : kNoteUnits) {
    std::string text = InfoText(bytes, n.area);
    EXPECT_NE(text.find(Cp(n.unit_name)), std::string::npos)
        << AreaCatalogue(n.area).name << " does not name " << n.unit_name;
    EXPECT_TRUE(HasToken(text, Cp(n.symbol))) << AreaCatalogue(n.area).name << " lacks the symbol " << n.symbol;
  }
}

TEST(AreaNotes, NotesAreDistinct) {
  std::string bytes = ReadFile(kBuilt + "/" + kInfoFile);
  ASSERT_EQ(bytes.size(), kAreaCount * kInfoRecord);
  std::map<std::string, int> seen;
  for (int area = 1; area <= kAreaCount; ++area) {
    auto [it, fresh] = seen.emplace(InfoText(bytes, area), area);
    EXPECT_TRUE(fresh) << AreaCatalogue(area).name << " repeats the note of " << AreaCatalogue(it->second).name;
  }
}

TEST(AreaNotes, TokenMatchIgnoresLongerWords) {
  struct Case {
    const char* text;
    const char* token;
    bool found;
  };
  const Case cases[] = {
      {"1 Pa = 1 N/m²", "Pa", true},   {"das Pascal", "Pa", false},       {"(m²)", "m²", true},
      {"in m³/kg", "m³", true},        {"in m³/kg", "m", false},          {"1 mm", "m", false},
      {"Zeichen K.", "K", true},       {"kJ/kg", "J/kg", false},          {"1 J/kg", "J/kg", true},
  };
  for (const auto& c : cases) EXPECT_EQ(HasToken(Cp(c.text), Cp(c.token)), c.found) << c.text << " / " << c.token;
}

// --- The help file -----------------------------------------------------------

bool IsUtf8(const std::string& s) {
  for (size_t i = 0; i < s.size();) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    size_t n = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : 9;
    if (n == 9 || (n == 1 && c < 0xC2) || (n > 0 && i + n >= s.size())) return false;
    for (size_t k = 1; k <= n; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += n + 1;
  }
  return true;
}

std::string HelpSource() { return ReadFile(HelpSourcePath(kSources)); }

// The help as the reader sees it: tags removed, the few entities decoded and
// every run of white space made one blank.
std::string HelpText(const std::string& html) {
  std::string text = std::regex_replace(html, std::regex("<[^>]*>"), "");
  const std::pair<const char*, const char*> entities[] = {
      {"&nbsp;", " "}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}};
  for (const auto& [entity, ch] : entities) {
    const std::string from = entity, to = ch;
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
      text.replace(at, from.size(), to);
  }
  return std::regex_replace(text, std::regex("\\s+"), " ");
}

std::vector<std::string> Captures(const std::string& text, const std::string& pattern) {
  std::vector<std::string> out;
  std::regex re(pattern);
  for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator(); ++it)
    out.push_back((*it)[1].str());
  return out;
}

TEST(Help, BuiltFileIsTheSource) { EXPECT_EQ(ReadFile(kBuilt + "/" + kHelpFile), HelpSource()); }

TEST(Help, IsSelfContainedUtf8Html) {
  std::string html = HelpSource();
  EXPECT_TRUE(IsUtf8(html)) << "not UTF-8 text";
  EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
  EXPECT_EQ(html.find("<script"), std::string::npos);
  EXPECT_EQ(html.find("src="), std::string::npos) << "the help must not load other files";
  for (const auto& href : Captures(html, "href=\"([^\"]*)\""))
    EXPECT_EQ(href.rfind('#', 0), 0u) << "link out of the help file: " << href;
}

TEST(Help, EveryLinkHasItsAnchorAndAnchorsAreUnique) {
  std::string html = HelpSource();
  std::vector<std::string> names = Captures(html, "<a\\s+name=\"([^\"]+)\"");
  for (const auto& id : Captures(html, "\\sid=\"([^\"]+)\"")) names.push_back(id);
  std::set<std::string> anchors;
  for (const auto& n : names) EXPECT_TRUE(anchors.insert(n).second) << "anchor twice: " << n;
  std::vector<std::string> links = Captures(html, "href=\"#([^\"]*)\"");
  EXPECT_GT(links.size(), 20u);
  for (const auto& l : links) EXPECT_TRUE(anchors.count(l)) << "link to a missing anchor: #" << l;
}

TEST(Help, ContentsLinkToEverySection) {
  std::string html = HelpSource();
  size_t begin = html.find("<h2>Inhalt</h2>");
  ASSERT_NE(begin, std::string::npos);
  size_t end = html.find("<h2", begin + 1);
  std::string contents = html.substr(begin, end - begin);
  std::set<std::string> listed;
  for (const auto& l : Captures(contents, "href=\"#([^\"]*)\"")) listed.insert(l);
  for (const auto& section : Captures(html.substr(end), "<h[23]><a name=\"([^\"]+)\""))
    EXPECT_TRUE(listed.count(section)) << "section without an entry in the contents: " << section;
}

// The captions of the main menu as the program shows them ("&" marks the
// access key, which the help does not write).
const char* const kMenuCaptions[] = {
    "&Datei",
    "&Wechselkurse importieren...",
    "&Zeitzonen aktualisieren",
    "&Beenden",
    "&Bearbeiten",
    "&Kopieren Rechenergebnis",
    "&Einfügen in Werteingabefeld",
    "Einheit &ausblenden",
    "Einheit &einblenden...",
    "Au&sgeblendete Einheiten löschen",
    "Eigene Einheit ein&fügen...",
    "&Umrechnungsfaktor ändern...",
    "&Einstellungen",
    "&Fließkommaanzeige",
    "&Wissenscha. Zahlenanzeige",
    "Einheitensortierung nach &Alphabet",
    "Einheitensortierung nach &Land",
    "&Sommerzeit berücksichtigen",
    "Lä&nder aus-/einblenden...",
    "&Hilfe",
    "&Index",
    "&Vorsatzzeichen",
    "&Über Mensurio",
};

TEST(Help, NamesEveryMenuCaption) {
  std::string text = HelpText(HelpSource());
  for (std::string caption : kMenuCaptions) {
    caption.erase(std::remove(caption.begin(), caption.end(), '&'), caption.end());
    EXPECT_NE(text.find(caption), std::string::npos) << "menu caption missing: " << caption;
  }
}

// Windows, buttons and messages the user meets, quoted as the program shows them.
const char* const kProgramTexts[] = {
    "Ausgeblendete Einheiten wieder einblenden",
    "Markierte Einheit einblenden",
    "Alle Einheiten einblenden",
    "Es sind keine Einheiten ausgeblendet!",
    "Eigene Einheit einfügen - Währung",
    "Eigene Einheit einfügen - Weltzeit",
    "Zeitdifferenz zur Weltzeit in Minuten:",
    "Umrechnungsfaktor ändern - Währung",
    "Umrechnungsfaktor ändern - Weltzeit",
    "Sommerzeit (+ 1 Stunde) von..bis",
    "Einheiten ein-/ausblenden",
    "Alle Markierungen ein",
    "Alle Markierungen aus",
    "Einheiten suchen",
    "Suche starten",
    "Gehe zu",
    "Abkürzung",
    "Gebiet-Information",
    "Information über Gebiet",
    "Einheit umrechnen",
    "Einheit suchen",
    "Markierte Einheit ausblenden",
    "Gewähltes Land:",
    "nä. Tag",
    "Vortag",
    "unbekannt",
    "Falsche Eingabe im Werteingabeld! Bitte ändern!",
    "Falsche Eingabe im Werteingabeld! Uhrzeit im Format >> hh:mm << eingeben!",
    "Falsche Eingabe im Werteingabeld! Uhrzeit im Format >> hh:mm << oder >> hh:mm TT.MM.JJ << eingeben!",
    "Falsche oder keine Angabe im Feld \"Umrechnungsfaktor\"! Bitte ändern!",
    "Falsche oder keine Angabe im Eingabefeld! Bitte ändern!",
    "Die ausgeblendeten Einheiten sind gelöscht!",
    "Beim Gebiet \"Temperatur\" können keine Einheiten gelöscht werden!",
    "Die Einheit, zu der gesprungen werden soll, ist von der Anzeige ausgeblendet. Soll sie eingeblendet werden?",
    "Eine Datendatei konnte nicht gefunden werden. Bitte prüfen Sie, ob alle Datendateien vorhanden sind.",
    "~/.local/share/mensurio",
    "MENSURIO_DIR",
    "TEMP.DAT",
    "258 Byte",
    "Euro foreign exchange reference rates",
    "Kurse: Stand",
    "Die Kursdatei nennt kein Datum!",
};

TEST(Help, QuotesTheProgramsTexts) {
  std::string text = HelpText(HelpSource());
  for (const char* t : kProgramTexts) EXPECT_NE(text.find(t), std::string::npos) << "missing: " << t;
}

TEST(Help, ListsEveryAreaWithItsFileAndBaseUnit) {
  std::string html = HelpSource();
  for (int n = 1; n <= kAreaCount; ++n) {
    const Area& a = AreaCatalogue(n);
    std::string row = "<tr><td>" + std::to_string(n) + "</td><td>" + a.name + "</td><td>" + a.file +
                      "</td><td>" + a.base_unit + "</td></tr>";
    EXPECT_NE(html.find(row), std::string::npos) << row;
  }
}

TEST(HelpText, Utf8Check) {
  EXPECT_TRUE(IsUtf8("Größe – µ"));
  EXPECT_FALSE(IsUtf8("Gr\xF6\xDF" "e"));  // Windows-1252
  EXPECT_FALSE(IsUtf8("abc\xC3"));          // cut in the middle of a character
  EXPECT_FALSE(IsUtf8("\xC0\xAF"));         // overlong form
}

TEST(HelpText, StripsTagsAndDecodesEntities) {
  EXPECT_EQ(HelpText("<p>a&nbsp;&gt;&gt; <b>hh:mm</b>\n  &lt;&lt;</p>"), "a >> hh:mm <<");
  EXPECT_EQ(HelpText("<td>&amp;amp;</td>"), "&amp;");
}

// --- README.TXT --------------------------------------------------------------

TEST(Readme, CompilesAndTheBuiltFileIsCurrent) {
  std::string built = ReadFile(kBuilt + "/" + kReadmeFile);
  EXPECT_EQ(built, CompileText(ReadFile(ReadmeSourcePath(kSources)), "README"));
}

TEST(Readme, LinesEndInCrLfAndFitAnEditorWindow) {
  std::string built = ReadFile(kBuilt + "/" + kReadmeFile);
  ASSERT_FALSE(built.empty());
  EXPECT_EQ(built.substr(built.size() - 2), "\r\n");
  size_t start = 0, lineNo = 1;
  for (size_t end; (end = built.find('\n', start)) != std::string::npos; start = end + 1, ++lineNo) {
    ASSERT_GT(end, start) << "line " << lineNo << " ends in a bare LF";
    EXPECT_EQ(built[end - 1], '\r') << "line " << lineNo;
    std::string line = built.substr(start, end - 1 - start);
    EXPECT_LE(line.size(), 79u) << "line " << lineNo;
    EXPECT_FALSE(!line.empty() && line.back() == ' ') << "line " << lineNo << " ends in a blank";
    EXPECT_EQ(line.find('\t'), std::string::npos) << "line " << lineNo;
  }
  EXPECT_EQ(start, built.size()) << "text after the last line end";
}

TEST(Readme, NamesTheFilesAndHowToRestoreThem) {
  std::string text = Cp1252ToUtf8(ReadFile(kBuilt + "/" + kReadmeFile));
  for (const char* f : {kHelpFile, kSettingsFile, kReadmeFile, kInfoFile, kTempFile, "ANZAHL.DAT", "ZEIT.DAT",
                        "~/.local/share/mensurio", "MENSURIO_DIR", "rm ~/.local/share/mensurio/*"})
    EXPECT_NE(text.find(f), std::string::npos) << f;
}

}  // namespace
}  // namespace mensurio::datac
