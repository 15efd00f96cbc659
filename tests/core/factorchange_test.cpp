#include "factorchange.h"

#include <gtest/gtest.h>

#include "catalogue.h"
#include "datafiles.h"
#include "faultplan.h"
#include "scriptedboxes.h"

namespace mensurio {
namespace {

using namespace mensurio::testing;

const std::string kBadEntry = "Falsche oder keine Angabe im Eingabefeld! Bitte ändern!";

// A file whose second listed unit is record 2 (record 1 is hidden).
struct Area {
  explicit Area(int area) : file(AreaCatalogue(area).file) {
    WriteBytes(file, FileBytes(records));
    units = LoadUnits(file, AllOriginsShown(), true, boxes);
  }
  TempWorkDir dir;
  std::string file;
  std::vector<UnitRecord> records = {Marked("a", 1, 1, 2.0L), Marked("b", 0), Marked("c", 1, 1, 3.0L)};
  ScriptedBoxes boxes;
  UnitList units;

  // The file as expected when only record 2 has changed to `changed`.
  std::string With(const UnitRecord& changed) const { return FileBytes({records[0], records[1], changed}); }
};

TEST(ChangeFactor, OrdinaryChangesTheFactorOnly) {
  Area area(kLaenge);
  ASSERT_EQ(area.units[1].record_number, 2);
  EXPECT_EQ(ChangeFactor(kLaenge, area.units[1], " 3,04800000E-0001", area.boxes),
            FactorChangeResult::Changed);
  UnitRecord expected = area.records[2];
  expected.SetFactor(0.3048L);
  EXPECT_EQ(ReadBytes(area.file), area.With(expected));
  EXPECT_EQ(Bytes(area.units[1].record), Bytes(expected));
  EXPECT_EQ(Bytes(area.units[0].record), Bytes(area.records[0]));
  EXPECT_TRUE(area.boxes.shown.empty());
}

TEST(ChangeFactor, CurrencyChangesFactorDateAndValue) {
  struct Case {
    const char* factor;
    const char* date;
    const char* value;
    double stored;
  };
  const Case cases[] = {
      {" 1,9558E+0000", "31.12.1998", "ca. 1 Euro", 1.9558},
      {"0", "", "", 0},
      {"-1.5", "x", "", -1.5},
  };
  for (const Case& c : cases) {
    Area area(kWaehrungen);
    EXPECT_EQ(ChangeCurrencyFactor(kWaehrungen, area.units[1], c.factor, c.date, c.value, area.boxes),
              FactorChangeResult::Changed);
    UnitRecord expected = area.records[2];
    expected.SetFactor(c.stored);
    SetFieldOrBlanks(expected.validity, c.date);
    SetFieldOrBlanks(expected.approx_value, c.value);
    EXPECT_EQ(ReadBytes(area.file), area.With(expected)) << c.factor;
    EXPECT_EQ(Bytes(area.units[1].record), Bytes(expected));
  }
}

TEST(ChangeFactor, ClearedCurrencyTextsBecomeBlanksAndTheSpareBytesBehindStay) {
  Area area(kWaehrungen);
  ASSERT_EQ(ChangeCurrencyFactor(kWaehrungen, area.units[1], "2", "", "", area.boxes),
            FactorChangeResult::Changed);
  const std::string now = ReadBytes(area.file).substr(2 * kRecordSize, kRecordSize);
  const std::string before = Bytes(area.records[2]);
  EXPECT_EQ(now.substr(98, 33), std::string(32, ' ') + '\0');
  EXPECT_EQ(now.substr(200, 22), std::string(21, ' ') + '\0');
  EXPECT_EQ(now.substr(0, 58), before.substr(0, 58));
  EXPECT_EQ(now.substr(64, 34), before.substr(64, 34));
  EXPECT_EQ(now.substr(131, 69), before.substr(131, 69));
  EXPECT_EQ(now.substr(222), before.substr(222));
}

TEST(ChangeFactor, WorldTimeTakesMinutes) {
  struct Case {
    const char* minutes;
    long double hours;
  };
  const Case cases[] = {{"-90", -1.5L}, {"330", 5.5L}, {"331", 331.0L / 60.0L}, {"-300", -5.0L}};
  for (const Case& c : cases) {
    Area area(kWeltzeit);
    EXPECT_EQ(ChangeWorldTimeFactor(kWeltzeit, area.units[1], c.minutes, "27.3.-30.10.", area.boxes),
              FactorChangeResult::Changed);
    UnitRecord expected = area.records[2];
    expected.SetFactor(c.hours);
    SetFieldOrBlanks(expected.validity, "27.3.-30.10.");
    EXPECT_EQ(ReadBytes(area.file), area.With(expected)) << c.minutes;
    EXPECT_EQ(Bytes(area.units[1].record), Bytes(expected));
  }
  Area area(kWeltzeit);
  ASSERT_EQ(ChangeWorldTimeFactor(kWeltzeit, area.units[0], "60", "", area.boxes),
            FactorChangeResult::Changed);
  EXPECT_EQ(FieldText(Records(area.file)[0].validity), std::string(32, ' '));
}

TEST(ChangeFactor, UnreadableTextsChangeNothing) {
  for (const char* text : {"", "   ", "abc", "1,5 DM", "1,000,5", "2E38", "1E400"}) {
    Area area(kWaehrungen);
    const std::string before = ReadBytes(area.file);
    TAusgabetextobject entry = area.units[1];
    EXPECT_EQ(ChangeFactor(kWaehrungen, area.units[1], text, area.boxes), FactorChangeResult::BadInput);
    EXPECT_EQ(ChangeCurrencyFactor(kWaehrungen, area.units[1], text, "d", "v", area.boxes),
              FactorChangeResult::BadInput);
    EXPECT_EQ(ChangeWorldTimeFactor(kWaehrungen, area.units[1], text, "s", area.boxes),
              FactorChangeResult::BadInput);
    EXPECT_EQ(ReadBytes(area.file), before) << text;
    EXPECT_EQ(Bytes(area.units[1].record), Bytes(entry.record));
    ASSERT_EQ(area.boxes.shown.size(), 3u);
    for (const auto& box : area.boxes.shown) {
      EXPECT_EQ(box.kind, BoxKind::Information);
      EXPECT_EQ(box.text, kBadEntry);
    }
  }
}

TEST(ChangeFactor, AFailedUpdateLeavesTheEntryAnUnconfirmedOneChangesIt) {
  Area probe(kWaehrungen);
  size_t count = StepsOf([&] { ChangeFactor(kWaehrungen, probe.units[1], "5", probe.boxes); }).size();
  ASSERT_EQ(count, 7u);
  for (size_t k = 1; k <= count; ++k) {
    Area area(kWaehrungen);
    UnitRecord changed = area.records[2];
    changed.SetFactor(5);
    SetFieldOrBlanks(changed.validity, "");
    SetFieldOrBlanks(changed.approx_value, "");
    FaultPlan plan(k);
    // Up to the write the old record and a failure; after it (flush, close)
    // the new record, which the entry follows, and a warning.
    const bool written = k > 5;
    EXPECT_EQ(ChangeCurrencyFactor(kWaehrungen, area.units[1], "5", "", "", area.boxes),
              written ? FactorChangeResult::Changed : FactorChangeResult::Failed);
    EXPECT_EQ(plan.FailedStep().step > FileStep::Write, written) << k;
    EXPECT_EQ(ReadBytes(area.file), written ? area.With(changed) : FileBytes(area.records)) << k;
    EXPECT_EQ(Bytes(area.units[1].record), Bytes(written ? changed : area.records[2])) << k;
    EXPECT_EQ(area.boxes.Texts(),
              std::vector<std::string>{written ? "Die Datei WAEHRUNG.DAT ist gespeichert, aber das Schreiben auf "
                                                 "den Datenträger wurde nicht bestätigt (Dateizugriff verweigert)."
                                               : "Die Datei WAEHRUNG.DAT konnte nicht geöffnet werden oder die "
                                                 "revidierte Datei konnte nicht geschrieben werden!"})
        << k;
  }
}

}  // namespace
}  // namespace mensurio
