#include "ownunit.h"

#include <gtest/gtest.h>

#include "catalogue.h"
#include "datafiles.h"
#include "faultplan.h"
#include "numentry.h"
#include "scriptedboxes.h"
#include "text.h"

namespace mensurio {
namespace {

using namespace mensurio::testing;

std::string Blanks(size_t n) { return std::string(n, ' '); }

// The significant content of every field of a record, by field.
struct Fields {
  std::string symbol, name, other_name, validity, field_of_use, approx_value;
};

void ExpectOwnRecord(const UnitRecord& r, const Fields& f, long double factor) {
  EXPECT_EQ(r.visible, 1);
  EXPECT_EQ(r.origin, 4);
  EXPECT_EQ(FieldText(r.symbol), f.symbol);
  EXPECT_EQ(FieldText(r.name), f.name);
  EXPECT_EQ(FieldText(r.other_name), f.other_name);
  EXPECT_EQ(FieldText(r.validity), f.validity);
  EXPECT_EQ(FieldText(r.field_of_use), f.field_of_use);
  EXPECT_EQ(FieldText(r.approx_value), f.approx_value);
  EXPECT_EQ(r.Factor(), Real48ToExtended(ExtendedToReal48(factor)));
  // The spare fields, read from the raw bytes at their offsets.
  const std::string bytes = Bytes(r);
  EXPECT_EQ(bytes.substr(159, 41), Blanks(40) + '\0');
  EXPECT_EQ(bytes.substr(222, 18), Blanks(17) + '\0');
  EXPECT_EQ(bytes[240], '\0');
  EXPECT_EQ(bytes.substr(241, 16), Blanks(15) + '\0');
  EXPECT_EQ(bytes[256], '\0');
  EXPECT_EQ(bytes[257], '\0');
}

TEST(BuildOwnUnit, OrdinaryDialog) {
  auto r = BuildOwnUnit(OwnUnitTexts{"Zoll neu", "", "", "", "2,54"});
  ASSERT_TRUE(r);
  ExpectOwnRecord(*r, {Blanks(20), "Zoll neu", Blanks(33), Blanks(32), Blanks(27), Blanks(21)}, 2.54L);

  r = BuildOwnUnit(OwnUnitTexts{"Rute ", "rt", "Ruthe", "Feldmessung", "3.766"});
  ASSERT_TRUE(r);
  ExpectOwnRecord(*r, {"rt", "Rute ", "Ruthe", Blanks(32), "Feldmessung", Blanks(21)}, 3.766L);
}

TEST(BuildOwnUnit, TheNameIsNeverPadded) {
  auto r = BuildOwnUnit(OwnUnitTexts{"", "", "", "", "1"});
  ASSERT_TRUE(r);
  EXPECT_EQ(r->name[0], '\0');
  r = BuildOwnUnit(OwnUnitTexts{"ab", "", "", "", "1"});
  EXPECT_EQ(std::string(r->name, 3), std::string("ab\0", 3));
}

TEST(BuildOwnUnit, FullLengthTextsFitWithTheirZero) {
  const std::string name(34, 'n'), symbol(20, 's'), other(33, 'o'), use(27, 'u');
  auto r = BuildOwnUnit(OwnUnitTexts{name, symbol, other, use, "1"});
  ASSERT_TRUE(r);
  ExpectOwnRecord(*r, {symbol, name, other, Blanks(32), use, Blanks(21)}, 1);
}

TEST(BuildOwnUnit, CurrencyDialogKeepsTheValueTextInOtherName) {
  auto r = BuildOwnUnit(OwnCurrencyTexts{"Taler", "Tlr", "ca. 3 Mark", "1.1.1871", "3"});
  ASSERT_TRUE(r);
  ExpectOwnRecord(*r, {"Tlr", "Taler", "ca. 3 Mark", "1.1.1871", Blanks(27), Blanks(21)}, 3);
  r = BuildOwnUnit(OwnCurrencyTexts{"Taler", "", "", "", "0"});
  ASSERT_TRUE(r);
  ExpectOwnRecord(*r, {Blanks(20), "Taler", Blanks(33), Blanks(32), Blanks(27), Blanks(21)}, 0);
}

TEST(BuildOwnUnit, WorldTimeDialogStoresMinutesAsHours) {
  struct Case {
    const char* minutes;
    long double hours;
  };
  const Case cases[] = {{"90", 1.5L}, {"-300", -5.0L}, {"0", 0}, {"330", 5.5L}, {"-90", -1.5L}};
  for (const Case& c : cases) {
    auto r = BuildOwnUnit(OwnWorldTimeTexts{"Ort", "", "27.3.-30.10.", c.minutes});
    ASSERT_TRUE(r) << c.minutes;
    ExpectOwnRecord(*r, {Blanks(20), "Ort", Blanks(33), "27.3.-30.10.", Blanks(27), Blanks(21)}, c.hours);
    EXPECT_EQ(r->Factor() * 60, ReadNumber(c.minutes).value) << c.minutes;  // round trip
  }
  auto r = BuildOwnUnit(OwnWorldTimeTexts{"Ort", "", "", "331"});
  EXPECT_EQ(r->Factor(), Real48ToExtended(ExtendedToReal48(331.0L * (1.0L / 60.0L))));
  EXPECT_EQ(FieldText(r->validity), Blanks(32));
}

TEST(BuildOwnUnit, FactorTexts) {
  struct Case {
    const char* text;
    bool read;
    double value;
  };
  const Case cases[] = {
      {"1.5", true, 1.5},   {"1,5", true, 1.5},    {"-2", true, -2},   {"0", true, 0},
      {"1E-45", true, 0},   {"1E38", true, 1e38},  {"", false, 0},     {"   ", false, 0},
      {"2,54 m", false, 0}, {"1,000,5", false, 0}, {"2E38", false, 0}, {"-1E39", false, 0},
  };
  for (const Case& c : cases) {
    for (const auto& r : {BuildOwnUnit(OwnUnitTexts{"x", "", "", "", c.text}),
                          BuildOwnUnit(OwnCurrencyTexts{"x", "", "", "", c.text})}) {
      ASSERT_EQ(r.has_value(), c.read) << c.text;
      if (r) {
        EXPECT_EQ(r->Factor(), Real48ToExtended(ExtendedToReal48(c.value))) << c.text;
      }
    }
  }
  EXPECT_FALSE(BuildOwnUnit(OwnWorldTimeTexts{"x", "", "", ""}));
  EXPECT_FALSE(BuildOwnUnit(OwnWorldTimeTexts{"x", "", "", "1:30"}));
}

const std::vector<UnitRecord> kLengths = {Marked("Elle"), Marked("Fu\xdf", 0), Marked("Meile"),
                                          Marked("Zoll")};

TEST(InsertOwnUnit, GoesInFrontOfTheFirstNameEqualOrAfter) {
  struct Case {
    std::string name;
    Names expected;
  };
  const Case cases[] = {
      {"Aaa", {"Aaa", "Elle", "Fu\xdf", "Meile", "Zoll"}},
      {"fu\xdf", {"Elle", "fu\xdf", "Fu\xdf", "Meile", "Zoll"}},  // equal but for case; hidden records count
      {"FUSS", {"Elle", "FUSS", "Fu\xdf", "Meile", "Zoll"}},      // ß as ss
      {"Meile", {"Elle", "Fu\xdf", "Meile", "Meile", "Zoll"}},
      {"Meilen", {"Elle", "Fu\xdf", "Meile", "Meilen", "Zoll"}},
      {"Zzz", {"Elle", "Fu\xdf", "Meile", "Zoll", "Zzz"}},
      {"", {"", "Elle", "Fu\xdf", "Meile", "Zoll"}},
  };
  for (const Case& c : cases) {
    TempWorkDir dir;
    WriteBytes("LAENGE.DAT", FileBytes(kLengths));
    ScriptedBoxes boxes;
    EXPECT_EQ(InsertOwnUnit(kLaenge, OwnUnitTexts{c.name, "", "", "", "2,54"}, boxes),
              OwnUnitResult::Inserted);
    EXPECT_EQ(NamesIn("LAENGE.DAT"), c.expected) << c.name;
    EXPECT_TRUE(boxes.shown.empty());
    // The records that were there keep every byte.
    for (const UnitRecord& r : Records("LAENGE.DAT")) {
      if (r.origin != 4) {
        EXPECT_EQ(Bytes(r), Bytes(Marked(FieldText(r.name), r.visible)));
      }
    }
  }
}

TEST(InsertOwnUnit, IntoAnEmptyFile) {
  TempWorkDir dir;
  WriteBytes("WELTZEIT.DAT", "");
  ScriptedBoxes boxes;
  EXPECT_EQ(InsertOwnUnit(kWeltzeit, OwnWorldTimeTexts{"Ort", "", "", "90"}, boxes), OwnUnitResult::Inserted);
  std::vector<UnitRecord> records = Records("WELTZEIT.DAT");
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].Factor(), Real48ToExtended(ExtendedToReal48(1.5L)));
}

TEST(InsertOwnUnit, ABadFactorWritesNothing) {
  TempWorkDir dir;
  const std::string bytes = FileBytes(kLengths);
  WriteBytes("WAEHRUNG.DAT", bytes);
  ScriptedBoxes boxes;
  EXPECT_EQ(InsertOwnUnit(kWaehrungen, OwnCurrencyTexts{"Taler", "", "", "", "3 DM"}, boxes),
            OwnUnitResult::BadFactor);
  EXPECT_EQ(ReadBytes("WAEHRUNG.DAT"), bytes);
  EXPECT_FALSE(FileExists(kTempFile));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].kind, BoxKind::Information);
  EXPECT_EQ(boxes.shown[0].text, "Falsche oder keine Angabe im Feld \"Umrechnungsfaktor\"! Bitte ändern!");
}

TEST(InsertOwnUnit, TemperatureIsRefused) {
  TempWorkDir dir;
  const std::string bytes = FileBytes(kLengths);
  WriteBytes("TEMPERA.DAT", bytes);
  ScriptedBoxes boxes;
  EXPECT_EQ(InsertOwnUnit(kTemperatur, OwnUnitTexts{"Aaa", "", "", "", "1"}, boxes), OwnUnitResult::Refused);
  EXPECT_EQ(ReadBytes("TEMPERA.DAT"), bytes);
  const std::string refusal = "Beim Gebiet \"Temperatur\" können keine eigenen Einheiten eingefügt werden!";
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].kind, BoxKind::Information);
  EXPECT_EQ(boxes.shown[0].text, refusal);
  EXPECT_FALSE(OwnUnitsAllowed(kTemperatur, boxes));
  for (int area : {1, kLaenge, kWaehrungen, kWeltzeit}) EXPECT_TRUE(OwnUnitsAllowed(area, boxes)) << area;
  EXPECT_EQ(boxes.shown.size(), 2u);
}

TEST(InsertOwnUnit, AFailedRewriteKeepsTheFile) {
  TempWorkDir dir;
  const std::string bytes = FileBytes(kLengths);
  WriteBytes("LAENGE.DAT", bytes);
  for (FileStep failing : {FileStep::Open, FileStep::Create, FileStep::Read, FileStep::Write, FileStep::Flush,
                           FileStep::Close, FileStep::Rename}) {
    ScriptedBoxes boxes;
    SetFaultHook([&](FileStep step, const std::string&) { return step == failing ? kIoAccessDenied : 0; });
    EXPECT_EQ(InsertOwnUnit(kLaenge, OwnUnitTexts{"Aaa", "", "", "", "1"}, boxes), OwnUnitResult::Failed);
    SetFaultHook(nullptr);
    EXPECT_EQ(ReadBytes("LAENGE.DAT"), bytes);
    EXPECT_EQ(boxes.Texts(),
              std::vector<std::string>{"Die Datei LAENGE.DAT konnte nicht geöffnet werden oder "
                                       "die revidierte Datei konnte nicht geschrieben werden!"});
  }
}

}  // namespace
}  // namespace mensurio
