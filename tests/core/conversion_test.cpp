#include "conversion.h"

#include <gtest/gtest.h>

#include <vector>

#include "records.h"

namespace mensurio {
namespace {

using testing::MakeRecord;

constexpr const char* kOldScientific = "old scientific";
constexpr const char* kOldFloat = "old float";

TAusgabetextobject Entry(long double factor, int32_t record_number = 0) {
  TAusgabetextobject e;
  e.record = MakeRecord("unit", 1, factor);
  e.record_number = record_number;
  e.scientific_text = kOldScientific;
  e.float_text = kOldFloat;
  return e;
}

UnitList WithFactors(const std::vector<long double>& factors) {
  UnitList units;
  for (long double f : factors) units.push_back(Entry(f));
  return units;
}

struct Texts {
  std::string scientific;
  std::string floating;
  bool operator==(const Texts&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Texts& t) {
  return os << '"' << t.scientific << "\" / \"" << t.floating << '"';
}

Texts TextsOf(const TAusgabetextobject& e) { return {e.scientific_text, e.float_text}; }

const Texts kOld{kOldScientific, kOldFloat};
const Texts kZero{" 0,000000E+0000", " 0,000000E+0000"};
const Texts kUnknown{" unbekannt", " unbekannt"};

void ExpectUnchanged(const UnitList& units) {
  for (size_t i = 0; i < units.size(); ++i) EXPECT_EQ(TextsOf(units[i]), kOld) << "entry " << i;
}

// --- factor areas ---------------------------------------------------------

TEST(ConvertByFactor, LengthFromFeet) {
  UnitList units = WithFactors({1, 0.0254L, 1609.344L, 0.3048L, 0, -2});
  ConversionResult r = ConvertByFactor(units, 3, "1");
  ASSERT_EQ(r.status, ConversionStatus::Done);
  const Texts expected[] = {
      {" 3,048000E-0001", "  0,3048000000"},
      {" 1,200000E+0001", "  12,000000000"},
      {" 1,893939E-0004", "  0,0001893939"},
      {" 1,000000E+0000", "  1,0000000000"},
      kZero,  // factor 0 cannot be reached
      kZero,  // nor a negative factor
  };
  for (size_t i = 0; i < units.size(); ++i) EXPECT_EQ(TextsOf(units[i]), expected[i]) << "entry " << i;
}

TEST(ConvertByFactor, EntryForms) {
  struct Case {
    const char* entry;
    Texts base_line;  // source factor 2, line of factor 1
  };
  const Case cases[] = {
      {"-5", {"-1,000000E+0001", " -10,000000000"}},
      {"1,5", {" 3,000000E+0000", "  3,0000000000"}},
      {"1.5", {" 3,000000E+0000", "  3,0000000000"}},
      {"  +,5E1", {" 1,000000E+0001", "  10,000000000"}},
      {"1E-300", {" 2,000000E-0300", " 2,000000E-0300"}},
  };
  for (const Case& c : cases) {
    UnitList units = WithFactors({2, 1});
    EXPECT_EQ(ConvertByFactor(units, 0, c.entry).status, ConversionStatus::Done) << c.entry;
    EXPECT_EQ(TextsOf(units[1]), c.base_line) << c.entry;
  }
}

TEST(ConvertByFactor, SourceFactorZeroGivesZeroEverywhere) {
  UnitList units = WithFactors({0, 1, 1000});
  EXPECT_EQ(ConvertByFactor(units, 0, "5").status, ConversionStatus::Done);
  for (const auto& e : units) EXPECT_EQ(TextsOf(e), kZero);
}

TEST(ConvertByFactor, RejectedEntriesChangeNothing) {
  for (const char* entry : {"0", "0,0", "-0", "+0E5", "", " ", "1,", "1 000", "1,000,5", "abc", "12:00", "1E"}) {
    UnitList units = WithFactors({1, 2});
    ConversionResult r = ConvertByFactor(units, 0, entry);
    EXPECT_EQ(r.status, ConversionStatus::BadInput) << '"' << entry << '"';
    EXPECT_EQ(r.message, kBadInputMessage);
    ExpectUnchanged(units);
  }
}

TEST(ConvertByFactor, OverflowStopsWhereItHappens) {
  // The entry itself and the base value: nothing changes.
  for (const char* entry : {"1E400", "-1E400", "1E300"}) {
    UnitList units = WithFactors({1e10L, 1});
    ConversionResult r = ConvertByFactor(units, 0, entry);
    EXPECT_EQ(r.status, ConversionStatus::Overflow) << entry;
    EXPECT_EQ(r.message, kOverflowMessage);
    ExpectUnchanged(units);
  }
  // A result: the entries before it have their new texts, the rest keep theirs.
  UnitList units = WithFactors({1, 1e-10L, 1});
  EXPECT_EQ(ConvertByFactor(units, 0, "1E300").status, ConversionStatus::Overflow);
  EXPECT_EQ(TextsOf(units[0]), (Texts{" 1,000000E+0300", " 1,000000E+0300"}));
  EXPECT_EQ(TextsOf(units[1]), kOld);
  EXPECT_EQ(TextsOf(units[2]), kOld);
}

TEST(ConvertByFactor, SelectionBeyondTheListTakesTheFirstEntry) {
  UnitList units = WithFactors({10, 1});
  EXPECT_EQ(ConvertByFactor(units, 7, "1").status, ConversionStatus::Done);
  EXPECT_EQ(TextsOf(units[1]), (Texts{" 1,000000E+0001", "  10,000000000"}));
}

TEST(ConvertByFactor, EmptyListIsLeftAlone) {
  UnitList units;
  EXPECT_EQ(ConvertByFactor(units, 0, "1").status, ConversionStatus::Done);
  EXPECT_EQ(ConvertByFactor(units, 0, "x").status, ConversionStatus::BadInput);
}

TEST(ConvertCurrency, UnknownRates) {
  UnitList units = WithFactors({1.5L, 3, 0, -2, 1});
  ASSERT_EQ(ConvertCurrency(units, 0, "100").status, ConversionStatus::Done);
  const Texts expected[] = {
      {" 1,000000E+0002", "  100,00000000"},
      {" 5,000000E+0001", "  50,000000000"},
      kUnknown,
      kUnknown,
      {" 1,500000E+0002", "  150,00000000"},
  };
  for (size_t i = 0; i < units.size(); ++i) EXPECT_EQ(TextsOf(units[i]), expected[i]) << "entry " << i;
}

TEST(ConvertCurrency, SourceWithoutRateShowsUnknownEverywhere) {
  UnitList units = WithFactors({0, 3, 1});
  ASSERT_EQ(ConvertCurrency(units, 0, "100").status, ConversionStatus::Done);
  for (const auto& e : units) EXPECT_EQ(TextsOf(e), kUnknown);
}

TEST(ConvertCurrency, ResultThatVanishesIsUnknown) {
  UnitList units = WithFactors({1, 1e30L});
  ASSERT_EQ(ConvertCurrency(units, 0, "1E-300").status, ConversionStatus::Done);
  EXPECT_EQ(TextsOf(units[0]), (Texts{" 1,000000E-0300", " 1,000000E-0300"}));
  EXPECT_EQ(TextsOf(units[1]), kUnknown);
}

TEST(ConvertCurrency, RejectsLikeTheFactorAreas) {
  for (const char* entry : {"0", "-0", "1,", "x"}) {
    UnitList units = WithFactors({1, 2});
    ConversionResult r = ConvertCurrency(units, 0, entry);
    EXPECT_EQ(r.status, ConversionStatus::BadInput) << entry;
    EXPECT_EQ(r.message, kBadInputMessage);
    ExpectUnchanged(units);
  }
  UnitList units = WithFactors({1, 2});
  EXPECT_EQ(ConvertCurrency(units, 0, "1E400").status, ConversionStatus::Overflow);
  ExpectUnchanged(units);
}

// --- temperature ----------------------------------------------------------

// The ten scales of the temperature file, by record number.
UnitList TemperatureUnits() {
  UnitList units;
  for (int32_t i = 0; i < 10; ++i) units.push_back(Entry(1, i));
  return units;
}

struct ScaleTexts {
  Texts celsius, fahrenheit, kelvin, rankine, reaumur;
};

void ExpectScaleTexts(const UnitList& units, const ScaleTexts& s, const std::string& what) {
  const Texts* by_record[10] = {&s.celsius, &s.celsius, &s.fahrenheit, &s.kelvin,  &s.rankine,
                                &s.celsius, &s.fahrenheit, &s.rankine, &s.reaumur, &s.kelvin};
  for (size_t i = 0; i < 10; ++i) EXPECT_EQ(TextsOf(units[i]), *by_record[i]) << what << ", record " << i;
}

const Texts kZeroTemperature{" 0,000000E+0000", "  0,0000000000"};
const ScaleTexts kBoiling{
    {" 1,000000E+0002", "  100,00000000"}, {" 2,120000E+0002", "  212,00000000"},
    {" 3,731500E+0002", "  373,15000000"}, {" 6,716700E+0002", "  671,67000000"},
    {" 8,000000E+0001", "  80,000000000"}};

TEST(ConvertTemperature, AllScales) {
  struct Case {
    int32_t source;
    const char* entry;
    ScaleTexts expected;
  };
  const Case cases[] = {
      {0, "100", kBoiling},
      {2, "212", kBoiling},
      {6, "212", kBoiling},
      {3, "373,15", kBoiling},
      {4, "671,67", kBoiling},
      {8, "80", kBoiling},
      {0, "-40",
       {{"-4,000000E+0001", " -40,000000000"}, {"-4,000000E+0001", " -40,000000000"},
        {" 2,331500E+0002", "  233,15000000"}, {" 4,196700E+0002", "  419,67000000"},
        {"-3,200000E+0001", " -32,000000000"}}},
      {1, "-21",
       {{"-2,100000E+0001", " -21,000000000"}, {"-5,800000E+0000", " -5,8000000000"},
        {" 2,521500E+0002", "  252,15000000"}, {" 4,538700E+0002", "  453,87000000"},
        {"-1,680000E+0001", " -16,800000000"}}},
      {3, "0",
       {{"-2,731500E+0002", " -273,15000000"}, {"-4,596700E+0002", " -459,67000000"}, kZeroTemperature,
        kZeroTemperature, {"-2,185200E+0002", " -218,52000000"}}},
      {9, "-0",
       {{"-2,731500E+0002", " -273,15000000"}, {"-4,596700E+0002", " -459,67000000"}, kZeroTemperature,
        kZeroTemperature, {"-2,185200E+0002", " -218,52000000"}}},
      {5, "0",
       {kZeroTemperature, {" 3,200000E+0001", "  32,000000000"}, {" 2,731500E+0002", "  273,15000000"},
        {" 4,916700E+0002", "  491,67000000"}, kZeroTemperature}},
      {2, "32",
       {kZeroTemperature, {" 3,200000E+0001", "  32,000000000"}, {" 2,731500E+0002", "  273,15000000"},
        {" 4,916700E+0002", "  491,67000000"}, kZeroTemperature}},
      {3, "-10",  // below absolute zero: converted all the same
       {{"-2,831500E+0002", " -283,15000000"}, {"-4,776700E+0002", " -477,67000000"},
        {"-1,000000E+0001", " -10,000000000"}, {"-1,800000E+0001", " -18,000000000"},
        {"-2,265200E+0002", " -226,52000000"}}},
  };
  for (const Case& c : cases) {
    UnitList units = TemperatureUnits();
    ASSERT_EQ(ConvertTemperature(units, static_cast<size_t>(c.source), c.entry).status, ConversionStatus::Done);
    ExpectScaleTexts(units, c.expected, std::string("entry ") + c.entry);
  }
}

TEST(ConvertTemperature, FahrenheitSnapsToWholeNumbersOnly) {
  struct Case {
    int32_t source;  // the line of the same scale is looked at
    int32_t line;
    const char* entry;
    Texts expected;
  };
  const Case cases[] = {
      {2, 6, "5,00000000008", {" 5,000000E+0000", "  5,0000000000"}},
      {2, 6, "5,0000000002", {" 5,000000E+0000", "  5,0000000002"}},
      {2, 6, "4,99999999992", {" 5,000000E+0000", "  5,0000000000"}},
      {2, 6, "4,9999999998", {" 5,000000E+0000", "  4,9999999998"}},
      {2, 2, "-4,99999999992", {"-5,000000E+0000", " -5,0000000000"}},
      {2, 2, "-5,00000000008", {"-5,000000E+0000", " -5,0000000000"}},
      {2, 2, "-5,8", {"-5,800000E+0000", " -5,8000000000"}},
      {2, 6, "0,00000000005", kZeroTemperature},
      // other scales keep their fraction
      {4, 7, "5,00000000008", {" 5,000000E+0000", "  5,0000000001"}},
      {0, 5, "5,00000000008", {" 5,000000E+0000", "  5,0000000001"}},
      // and fall to zero only below the cut-off
      {3, 9, "0,00000000009", kZeroTemperature},
      {3, 9, "0,0000000002", {" 2,000000E-0010", "  0,0000000002"}},
  };
  for (const Case& c : cases) {
    UnitList units = TemperatureUnits();
    ASSERT_EQ(ConvertTemperature(units, static_cast<size_t>(c.source), c.entry).status, ConversionStatus::Done);
    EXPECT_EQ(TextsOf(units[static_cast<size_t>(c.line)]), c.expected) << c.entry << " line " << c.line;
  }
}

TEST(ConvertTemperature, UnitsBeyondTheTenScalesAreUnknown) {
  UnitList units = TemperatureUnits();
  units.push_back(Entry(1, 10));
  ASSERT_EQ(ConvertTemperature(units, 0, "100").status, ConversionStatus::Done);
  ExpectScaleTexts(units, kBoiling, "source 0");
  EXPECT_EQ(TextsOf(units[10]), kUnknown);

  UnitList from_own = TemperatureUnits();
  from_own.push_back(Entry(1, 12));
  ASSERT_EQ(ConvertTemperature(from_own, 10, "100").status, ConversionStatus::Done);
  for (const auto& e : from_own) EXPECT_EQ(TextsOf(e), kUnknown);
}

TEST(ConvertTemperature, RejectsAndOverflows) {
  for (const char* entry : {"", "1,", "abc", "100 C"}) {
    UnitList units = TemperatureUnits();
    ConversionResult r = ConvertTemperature(units, 0, entry);
    EXPECT_EQ(r.status, ConversionStatus::BadInput) << entry;
    EXPECT_EQ(r.message, kBadInputMessage);
    ExpectUnchanged(units);
  }
  {
    UnitList units = TemperatureUnits();
    EXPECT_EQ(ConvertTemperature(units, 0, "1E400").status, ConversionStatus::Overflow);
    ExpectUnchanged(units);
  }
  {
    // 1.5e308 Réaumur is beyond double in kelvin.
    UnitList units = TemperatureUnits();
    EXPECT_EQ(ConvertTemperature(units, 8, "1,5E308").status, ConversionStatus::Overflow);
    ExpectUnchanged(units);
  }
  {
    // From 1.7e308 K the Celsius lines are fine, the first Fahrenheit line overflows.
    UnitList units = TemperatureUnits();
    EXPECT_EQ(ConvertTemperature(units, 3, "1,7E308").status, ConversionStatus::Overflow);
    EXPECT_EQ(TextsOf(units[0]), (Texts{" 1,700000E+0308", " 1,700000E+0308"}));
    EXPECT_EQ(TextsOf(units[1]), (Texts{" 1,700000E+0308", " 1,700000E+0308"}));
    for (size_t i = 2; i < 10; ++i) EXPECT_EQ(TextsOf(units[i]), kOld) << i;
  }
}

// --- world time -----------------------------------------------------------

const std::string kNext = " n\xE4. Tag";  // Windows-1252
const std::string kPrevious = " Vortag";

struct ClockCase {
  const char* entry;
  size_t source;
  std::vector<std::string> lines;
};

// Offsets in hours: base unit, +1, -5, +9, +5.5.
UnitList WorldUnits() { return WithFactors({0, 1, -5, 9, 5.5L}); }

TEST(ConvertWorldTime, ClockTimesAndDayMarks) {
  const ClockCase cases[] = {
      {"12:00", 1, {"11:00", "12:00", "06:00", "20:00", "16:30"}},
      {"23:30", 0, {"23:30", "00:30" + kNext, "18:30", "08:30" + kNext, "05:00" + kNext}},
      {"00:30", 1, {"23:30" + kPrevious, "00:30", "18:30" + kPrevious, "08:30", "05:00"}},
      {"24:00", 0, {"00:00", "01:00", "19:00" + kPrevious, "09:00", "05:30"}},
      {"0:1440", 0, {"00:00", "01:00", "19:00" + kPrevious, "09:00", "05:30"}},
      {"1:75", 0, {"02:15", "03:15", "21:15" + kPrevious, "11:15", "07:45"}},
      {"-1:00", 0, {"23:00" + kPrevious, "00:00", "18:00" + kPrevious, "08:00", "04:30"}},
      {" 9:05", 0, {"09:05", "10:05", "04:05", "18:05", "14:35"}},
      {"9: 05", 0, {"09:05", "10:05", "04:05", "18:05", "14:35"}},
      {"$C:$1E", 0, {"12:30", "13:30", "07:30", "21:30", "18:00"}},
      {"+12:-30", 0, {"11:30", "12:30", "06:30", "20:30", "17:00"}},
      {"14:00", 3, {"05:00", "06:00", "00:00", "14:00", "10:30"}},
      {"03:00", 4, {"21:30" + kPrevious, "22:30" + kPrevious, "16:30" + kPrevious, "06:30", "03:00"}},
  };
  for (const ClockCase& c : cases) {
    UnitList units = WorldUnits();
    ConversionResult r = ConvertWorldTime(units, c.source, c.entry);
    ASSERT_EQ(r.status, ConversionStatus::Done) << c.entry;
    for (size_t i = 0; i < units.size(); ++i) {
      EXPECT_EQ(units[i].scientific_text, c.lines[i]) << c.entry << " line " << i;
      EXPECT_EQ(units[i].float_text, c.lines[i]) << c.entry << " line " << i;
    }
  }
}

TEST(ConvertWorldTime, RejectedEntriesChangeNothing) {
  for (const char* entry : {"24:01", "0:1441", "1230", "12.30", ":30", "12:", "12:3x", "12:30:00", "1,0", "",
                            ":", "12 :30", "12:30 ", "35791395:00", "2147483647:0", "99999999999:00"}) {
    UnitList units = WorldUnits();
    ConversionResult r = ConvertWorldTime(units, 0, entry);
    EXPECT_EQ(r.status, ConversionStatus::BadInput) << '"' << entry << '"';
    EXPECT_EQ(r.message, kBadTimeMessage);
    ExpectUnchanged(units);
  }
}

TEST(ConvertWorldTime, OffsetsInWholeMinutesHalvesToEven) {
  // 0.125 h = 7.5 min -> 8, 0.375 h = 22.5 min -> 22, 5.51 h = 330.6 min -> 331.
  UnitList units = WithFactors({0, 0.125L, 0.375L, -0.125L, 5.51L});
  ASSERT_EQ(ConvertWorldTime(units, 0, "12:00").status, ConversionStatus::Done);
  const char* expected[] = {"12:00", "12:08", "12:22", "11:52", "17:31"};
  for (size_t i = 0; i < units.size(); ++i) EXPECT_EQ(units[i].float_text, expected[i]) << i;
}

TEST(ConvertWorldTime, BeyondOneDayCorrection) {
  // A negative entry of more than a day and offsets more than a day apart
  // leave the one correction short; the distance from the marked day's
  // midnight is written.
  struct Case {
    const char* entry;
    long double line_offset;
    std::string text;
  };
  const Case cases[] = {
      {"-30:00", 0, "-06:00" + kPrevious},
      {"-24:-30", 0, "-00:30" + kPrevious},
      {"-24:30", 0, "00:30" + kPrevious},
      {"-24:00", 0, "00:00" + kPrevious},
      {"12:00", 30, "18:00" + kNext},
      {"12:00", 40, "28:00" + kNext},
      {"12:00", -40, "-04:00" + kPrevious},
      {"-2147483648:00", 0, "-2147483624:00 "},  // cut to 15 characters
  };
  for (const Case& c : cases) {
    UnitList units = WithFactors({0, c.line_offset});
    ASSERT_EQ(ConvertWorldTime(units, 0, c.entry).status, ConversionStatus::Done) << c.entry;
    EXPECT_EQ(units[1].scientific_text, c.text) << c.entry;
    EXPECT_LE(units[1].scientific_text.size(), 15u);
  }
}

TEST(ConvertWorldTime, OffsetBeyondThirtyTwoBitsOverflows) {
  UnitList units = WithFactors({0, 1, 1e30L});
  EXPECT_EQ(ConvertWorldTime(units, 0, "12:00").status, ConversionStatus::Overflow);
  EXPECT_EQ(units[0].float_text, "12:00");
  EXPECT_EQ(units[1].float_text, "13:00");
  EXPECT_EQ(TextsOf(units[2]), kOld);

  UnitList from_far = WithFactors({1e30L, 0});
  EXPECT_EQ(ConvertWorldTime(from_far, 0, "12:00").status, ConversionStatus::Overflow);
  ExpectUnchanged(from_far);
}

// --- dispatch -------------------------------------------------------------

TEST(Convert, ChoosesTheProcedureOfTheKind) {
  {
    UnitList units = WithFactors({0, 1});
    ASSERT_EQ(Convert(AreaKind::WorldTime, units, 0, "12:00").status, ConversionStatus::Done);
    EXPECT_EQ(units[1].float_text, "13:00");
  }
  {
    UnitList units = WithFactors({1, 0});
    ASSERT_EQ(Convert(AreaKind::Currency, units, 0, "2").status, ConversionStatus::Done);
    EXPECT_EQ(TextsOf(units[1]), kUnknown);
  }
  {
    UnitList units = WithFactors({1, 0});
    ASSERT_EQ(Convert(AreaKind::Ordinary, units, 0, "2").status, ConversionStatus::Done);
    EXPECT_EQ(TextsOf(units[1]), kZero);
    EXPECT_EQ(Convert(AreaKind::Ordinary, units, 0, "0").status, ConversionStatus::BadInput);
  }
  {
    UnitList units = TemperatureUnits();
    ASSERT_EQ(Convert(AreaKind::Temperature, units, 0, "0").status, ConversionStatus::Done);
    EXPECT_EQ(TextsOf(units[3]), (Texts{" 2,731500E+0002", "  273,15000000"}));
  }
  {
    UnitList units = WithFactors({1, 2});
    EXPECT_EQ(Convert(AreaKind::Ordinary, units, 0, "12:00").message, kBadInputMessage);
    EXPECT_EQ(Convert(AreaKind::WorldTime, units, 0, "1,0").message, kBadTimeMessage);
  }
}

}  // namespace
}  // namespace mensurio
