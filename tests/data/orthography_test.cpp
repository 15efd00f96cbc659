// One orthography and one qualifier per unit system in every text of the
// shipped data that the program shows. The program's own texts ("magn. Fluß",
// "Rußland") are in the old German orthography, so the data is too; a unit's
// name carries at most one parenthesised qualifier, and each system has one
// way of being named in it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue.h"
#include "compiler.h"
#include "text.h"

namespace mensurio::datac {
namespace {

// A form the catalogue does not use, and the one it uses instead.
struct Replacement {
  const char* wrong;
  const char* right;
};

// Spellings of the reformed orthography and their form here. A stem ending in
// "ss" is wrong only where no vowel follows ("Flußquant", but "Flüsse" and
// "Messung" stay as they are).
constexpr Replacement kSpellings[] = {
    {"Fluss", "Fluß"},   {"fluss", "fluß"},   {"Mess", "Meß"},       {"mess", "meß"},
    {"Fass", "Faß"},     {"Schuss", "Schuß"}, {"Guss", "Guß"},       {"Schluss", "Schluß"},
    {"Kompass", "Kompaß"}, {"grafie", "graphie"}, {"grafisch", "graphisch"},
};

// Qualifiers that name a system another way than the one the catalogue uses.
constexpr Replacement kQualifiers[] = {
    {"brit.", "engl."},       {"imp.", "engl."},     {"Großbritannien", "engl."}, {"GB", "engl."},
    {"USA", "US"},            {"amerik.", "US"},     {"Wien", "Österreich"},      {"Österr.", "Österreich"},
    {"österr.", "Österreich"}, {"th.", "thermoch."}, {"thermochem.", "thermoch."},
};

bool IsVowel(char c) { return std::string("aeiouyäöüAEIOUYÄÖÜ").find(c) != std::string::npos; }

// The first wrong spelling in a UTF-8 text, as "wrong → right", or "".
std::string WrongSpelling(const std::string& text) {
  for (const Replacement& s : kSpellings) {
    const std::string wrong = s.wrong;
    for (size_t at = text.find(wrong); at != std::string::npos; at = text.find(wrong, at + 1)) {
      size_t end = at + wrong.size();
      bool stem_ends_in_ss = wrong.size() >= 2 && wrong.compare(wrong.size() - 2, 2, "ss") == 0;
      if (stem_ends_in_ss && end < text.size() && IsVowel(text[end])) continue;
      return wrong + " → " + s.right;
    }
  }
  return "";
}

// The fault of a unit name's qualifier, or "".
std::string QualifierFault(const std::string& name) {
  size_t open = name.find('(');
  if (open == std::string::npos) return "";
  if (name.find('(', open + 1) != std::string::npos) return "mehr als eine Klammer";
  size_t close = name.find(')', open);
  if (close == std::string::npos) return "Klammer ohne Ende";
  std::string inside = name.substr(open + 1, close - open - 1);
  for (size_t start = 0; start <= inside.size();) {
    size_t comma = inside.find(", ", start);
    std::string part = inside.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    std::string first_word = part.substr(0, part.find(' '));
    for (const Replacement& q : kQualifiers)
      if (first_word == q.wrong) return std::string("(") + q.wrong + ") statt (" + q.right + ")";
    if (comma == std::string::npos) break;
    start = comma + 2;
  }
  return "";
}

TEST(Orthography, RulesOnSampleTexts) {
  struct Case {
    const char* text;
    const char* spelling;
    const char* qualifier;
  };
  const Case cases[] = {
      {"Magnetisches Flussquant", "Fluss → Fluß", ""},
      {"Flüssigunze (engl.)", "", ""},
      {"Isolationsmessung", "", ""},
      {"Messkette", "Mess → Meß", ""},
      {"Kompassstrich", "Kompass → Kompaß", ""},
      {"Röntgenkristallografie", "grafie → graphie", ""},
      {"Gallone (brit.)", "", "(brit.) statt (engl.)"},
      {"Barrel (imp., Bier)", "", "(imp.) statt (engl.)"},
      {"Hogshead (Wein, imp.)", "", "(imp.) statt (engl.)"},
      {"Knoten (USA bis 1954)", "", "(USA) statt (US)"},
      {"Knoten (US, bis 1954)", "", ""},
      {"Pfund (Wien, Apoth.)", "", "(Wien) statt (Österreich)"},
      {"Pfund (Preußen) (Gewichtskraft)", "", "mehr als eine Klammer"},
      {"Pfund (Preußen, Gewichtskraft)", "", ""},
      {"Punkt (Didot, Frankreich)", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WrongSpelling(c.text), c.spelling) << c.text;
    EXPECT_EQ(QualifierFault(c.text), c.qualifier) << c.text;
  }
}

template <size_t N>
std::string Shown(const char (&field)[N]) {
  return Cp1252ToUtf8(TrimRightBlanks(FieldText(field)));
}

TEST(Orthography, EveryShownTextOfTheShippedData) {
  for (int n = 1; n <= kAreaCount; ++n) {
    const std::string file = AreaCatalogue(n).file;
    for (const auto& u : CompileArea(ReadFile(AreaSourcePath(MENSURIO_SOURCE_DIR "/data", n)), n, file)) {
      const std::string where = file + ", Zeile " + std::to_string(u.line) + ": ";
      const std::string name = Shown(u.record.name);
      EXPECT_EQ(QualifierFault(name), "") << where << name;
      for (const std::string& text : {name, Shown(u.record.other_name), Shown(u.record.field_of_use),
                                      Shown(u.record.validity), Shown(u.record.approx_value)})
        EXPECT_EQ(WrongSpelling(text), "") << where << text;
    }
  }
}

}  // namespace
}  // namespace mensurio::datac
