#include "compiler.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "catalogue.h"
#include "records.h"
#include "tempdir.h"
#include "text.h"

namespace mensurio::datac {
namespace {

using testing::FileBytes;
using testing::MakeRecord;

constexpr int kLaenge = 20;
constexpr int kTemperatur = 35;
constexpr int kWeltzeit = 44;

std::string ErrorOf(const std::string& source, int area = kLaenge) {
  try {
    CompileArea(source, area, "LAENGE.txt");
  } catch (const CompileError& e) {
    return e.what();
  }
  return "";
}

TEST(Compiler, RefusesFaultySources) {
  struct Case { const char* line; const char* error; };
  const Case cases[] = {
      {"1 | 5 | m | Meter | 1 | | | | | | ", "LAENGE.txt:1: Feld origin: Herkunft 5 ist nicht vergeben"},
      {"1 | 92 | m | Meter | 1 | | | | | | ", "LAENGE.txt:1: Feld origin: Zahl von 1 bis 91 erwartet"},
      {"1 | 1 | m | Ein Name, der viel zu lang ist für das Feld | 1 | | | | | | ", "LAENGE.txt:1: Feld name: Text zu lang"},
      {"1 | 1 | Ω | Ohm | 1 | | | | | | ", "LAENGE.txt:1: Feld symbol: Zeichen außerhalb von Windows-1252"},
      {"1 | 1 | m | Meter | 1,5 | | | | | | ", "LAENGE.txt:1: Feld factor: Faktor nicht lesbar"},
      {"1 | 1 | m | Meter | 1/0 | | | | | | ", "LAENGE.txt:1: Feld factor: Faktor nicht lesbar"},
      {"1 | 1 | m | Meter | 2e38 | | | | | | ", "LAENGE.txt:1: Feld factor: Faktor außerhalb des speicherbaren Bereichs"},
      {"1 | 1 | m | Meter | 1e-40 | | | | | | ", "LAENGE.txt:1: Feld factor: Faktor zu klein, er würde als 0 gespeichert"},
      {"1 | 1 | m | Meter | 1 | | | | | ", "LAENGE.txt:1: Feld source: 11 Felder erwartet, 10 gefunden"},
      {"1 | 1 | \"m | Meter | 1 | | | | | | ", "LAENGE.txt:1: Feld symbol: Anführungszeichen nicht geschlossen"},
      {"x | 1 | m | Meter | 1 | | | | | | ", "LAENGE.txt:1: Feld visible"},
  };
  for (const auto& c : cases) {
    std::string error = ErrorOf(std::string("# comment\n").substr(0, 0) + c.line);
    EXPECT_EQ(error.rfind(c.error, 0), 0u) << c.line << "\n  gave: " << error;
  }
  EXPECT_EQ(ErrorOf("# Kopf\n\n1 | 1 | m | Meter | 1 | | | | | |\n1 | 99 | x | y | 1 | | | | | |").rfind("LAENGE.txt:4: Feld origin", 0), 0u);
}

TEST(Compiler, SortsByNameStably) {
  auto units = CompileArea(
      "1 | 1 | | Zoll | 1 | | | | | |\n1 | 1 | | elle | 1 | | | | | |\n1 | 1 | | Elle | 2 | | | | | |\n"
      "1 | 1 | | Ärmel | 1 | | | | | |\n",
      kLaenge, "x");
  std::vector<std::string> names;
  for (const auto& u : units) names.push_back(Cp1252ToUtf8(FieldText(u.record.name)));
  EXPECT_EQ(names, (std::vector<std::string>{"Ärmel", "elle", "Elle", "Zoll"}));
  EXPECT_EQ(units[2].record.Factor(), 2.0L);
}

TEST(Compiler, EmptyFieldsBecomeBlanks) {
  auto units = CompileArea("0 | 90 | | \" Fuß \" | 12*0.0254 | | | Seefahrt | | foot | Quelle", kLaenge, "x");
  const UnitRecord& r = units.at(0).record;
  EXPECT_EQ(r.visible, 0);
  EXPECT_EQ(r.origin, 90);
  EXPECT_EQ(FieldText(r.symbol), std::string(20, ' '));
  EXPECT_EQ(FieldText(r.name), " Fu\xDF ");
  EXPECT_EQ(FieldText(r.other_name), std::string(33, ' '));
  EXPECT_EQ(FieldText(r.field_of_use), "Seefahrt");
  EXPECT_EQ(r.Factor(), ExtendedToReal48(0.3048L) == ExtendedToReal48(12 * 0.0254L) ? r.Factor() : -1);
  EXPECT_EQ(units[0].check, "foot");
  EXPECT_EQ(units[0].source, "Quelle");
}

const char* kScales =
    "1 | 1 | | Celsius | 1 | | | | | tempC |\n"
    "1 | 1 | | Centigrad | 1 | | | | | tempC |\n"
    "1 | 1 | | Fahrenheit | 1 | | | | | tempF |\n"
    "1 | 1 | | Grad absolut (Kelvin) | 1 | | | | | tempK |\n"
    "1 | 1 | | Grad absolut (Rankine) | 1 | | | | | tempR |\n"
    "1 | 1 | | Grad Celsius | 1 | | | | | tempC |\n"
    "1 | 1 | | Grad Fahrenheit | 1 | | | | | tempF |\n"
    "1 | 1 | | Grad Rankine | 1 | | | | | tempR |\n"
    "1 | 1 | | Grad Réaumur | 1 | | | | | tempreaumur |\n"
    "1 | 1 | | Kelvin | 1 | | | | | tempK |\n";

TEST(Compiler, TemperatureScalesInTheirRecordOrder) {
  EXPECT_EQ(ErrorOf(kScales, kTemperatur), "");
  std::string swapped = kScales;
  swapped.replace(swapped.find("| Kelvin |"), 10, "| Absolut |");  // now sorts first
  EXPECT_NE(ErrorOf(swapped, kTemperatur).find("Feld check: Skala"), std::string::npos);
  EXPECT_NE(ErrorOf(std::string(kScales) + "1 | 4 | | Zebra | 1 | | | | | tempC |\n", kTemperatur)
                .find("genau zehn Skalen"),
            std::string::npos);
}

TEST(Compiler, DecompileGivesTheSameBytesForOddRecords) {
  std::vector<UnitRecord> records = {MakeRecord("Zoll", 3, 0.0254L), MakeRecord("Achtel", 1, 1.0L / 3, 0),
                                     MakeRecord("b", 0, 1), MakeRecord("c", 200, 2, 7)};
  UnitRecord spare = MakeRecord("Spare", 1, 5);
  spare.spare_byte_1 = 9;
  std::memcpy(spare.spare_text_2, "abc", 4);
  records.push_back(spare);
  UnitRecord garbage = MakeRecord("G", 1, 5);
  garbage.name[5] = 'x';  // behind the terminating zero
  records.push_back(garbage);
  UnitRecord unterminated = MakeRecord("U", 1, 5);
  std::memset(unterminated.symbol, 'S', sizeof unterminated.symbol);
  records.push_back(unterminated);
  UnitRecord zeroExponent = MakeRecord("Z", 1, 0);
  zeroExponent.factor[3] = 0x55;
  records.push_back(zeroExponent);
  UnitRecord quotes = MakeRecord(" \"Pipe|\" \\ ", 1, -1e-30L);
  SetFieldText(quotes.other_name, "Zeile\nzwei");
  records.push_back(quotes);
  std::string bytes = FileBytes(records);
  std::string source = Decompile(bytes, kLaenge);
  EXPECT_NE(source.find("#!unsorted"), std::string::npos);
  EXPECT_EQ(RecordBytes(CompileArea(source, kLaenge, "x")), bytes) << source;
}

TEST(Compiler, DecompileOfAPlainRecordIsReadable) {
  std::string source = Decompile(FileBytes({MakeRecord("Fu\xDF", 3, 0.3048L)}), kLaenge);
  EXPECT_NE(source.find("1 | 3 |  | Fuß | 0.3048 |"), std::string::npos) << source;
  EXPECT_EQ(source.find("raw="), std::string::npos);
  EXPECT_EQ(source.find("#!unsorted"), std::string::npos);
}

// World-time places carry their zone (check column) in spare_text_1 and the
// tzdata version their source names in spare_text_2; other areas do not.
TEST(Compiler, WorldTimePlacesCarryZoneAndDataState) {
  struct Case { const char* line; int area; const char* zone; const char* stand; };
  const Case cases[] = {
      {"1 | 36 | MEZ | Berlin | 1 | | | | | Europe/Berlin | tzdata 2026f/IANA; EU", kWeltzeit, "Europe/Berlin", "tzdata 2026f"},
      {"1 | 2 | | Buenos Aires | -3 | | | | | America/Argentina/Buenos_Aires | tzdata 2026f", kWeltzeit,
       "America/Argentina/Buenos_Aires", "tzdata 2026f"},
      {"1 | 2 | | Ort | 2 | | | | | Etc/UTC | Stand 08.12.2026", kWeltzeit, "Etc/UTC", "Stand 08.12.2026"},
      {"1 | 4 | | Eigener Ort | 2 | | | | | | ", kWeltzeit, "", ""},
      {"1 | 1 | m | Meter | 1 | | | | | m | tzdata 2026f", kLaenge, "", ""},
  };
  for (const Case& c : cases) {
    auto units = CompileArea(c.line, c.area, "x");
    const UnitRecord& r = units.at(0).record;
    EXPECT_EQ(TrimRightBlanks(FieldText(r.spare_text_1)), c.zone) << c.line;
    EXPECT_EQ(TrimRightBlanks(FieldText(r.spare_text_2)), c.stand) << c.line;
    std::string bytes = RecordBytes(units);
    std::string source = Decompile(bytes, c.area);
    EXPECT_EQ(source.find("raw="), std::string::npos) << source;
    EXPECT_EQ(RecordBytes(CompileArea(source, c.area, "x")), bytes) << source;
  }
  for (const char* bad : {"1 | 2 | | Ort | 2 | | | | | ../etc/passwd | ", "1 | 2 | | Ort | 2 | | | | | /etc/localtime | ",
                          "1 | 2 | | Ort | 2 | | | | | Europe/Berlin Mitte | ",
                          "1 | 2 | | Ort | 2 | | | | | America/A_Zone_Name_Of_More_Than_Forty_Chars | "}) {
    std::string error;
    try {
      CompileArea(bad, kWeltzeit, "WELTZEIT.txt");
    } catch (const CompileError& e) {
      error = e.what();
    }
    EXPECT_EQ(error.rfind("WELTZEIT.txt:1: Feld check:", 0), 0u) << bad << "\n  gave: " << error;
  }
}

TEST(Compiler, InfoRecords) {
  std::string source = "# Kopf\n";
  for (int n = 1; n <= kAreaCount; ++n)
    source += "== " + std::to_string(n) + " " + AreaCatalogue(n).name + "\n\nText " + std::to_string(n) + "\nZeile 2\n\n";
  std::string bytes = CompileInfo(source, "G");
  ASSERT_EQ(bytes.size(), 47u * 601);
  EXPECT_STREQ(bytes.data(), "Text 1\r\nZeile 2");
  EXPECT_STREQ(bytes.data() + 27646, "Text 47\r\nZeile 2");
  std::string tooLong = source;
  tooLong.replace(tooLong.find("Text 5"), 6, std::string(601, 'x'));
  EXPECT_THROW(CompileInfo(tooLong, "G"), CompileError);
  EXPECT_THROW(CompileInfo(source.substr(0, source.find("== 47")), "G"), CompileError);
}

TEST(Compiler, TextsAndSettings) {
  EXPECT_EQ(CompileText("Größe\nzwei\n", "R"), "Gr\xF6\xDF" "e\r\nzwei\r\n");
  EXPECT_EQ(DefaultSettings(), "1\r\n0\r\n0\r\n" + std::string(91, '1'));
}

}  // namespace
}  // namespace mensurio::datac
