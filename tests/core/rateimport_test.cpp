#include "rateimport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "datafiles.h"
#include "faultplan.h"
#include "ratefiles.h"
#include "scriptedboxes.h"
#include "text.h"

namespace mensurio {
namespace {

using namespace mensurio::testing;

constexpr const char* kFile = "WAEHRUNG.DAT";
const Date kToday{std::chrono::year(2026), std::chrono::month(12), std::chrono::day(8)};
const std::string kFailure =
    "Die Datei WAEHRUNG.DAT konnte nicht geöffnet werden oder die revidierte Datei konnte nicht geschrieben "
    "werden!";

UnitRecord Currency(const std::string& name, const std::string& symbol, long double factor, int visible = 1) {
  UnitRecord r = Marked(name, visible, 2, factor);
  std::memcpy(r.symbol, symbol.c_str(), symbol.size() + 1);
  std::memcpy(r.validity, "Stand 29.12.2023", 17);
  return r;
}

// The record as the import must leave it: these three fields new, every
// other byte as it was.
UnitRecord Imported(UnitRecord r, long double per_euro, const char* value_text) {
  r.SetFactor(1.95583L / per_euro);
  SetFieldText(r.validity, "Stand 07.12.2026");
  SetFieldText(r.approx_value, value_text);
  return r;
}

const std::vector<UnitRecord> kSmallFile = {
    Currency("Bulgarischer Lew", "BGN", 1),
    Currency("Deutsche Mark", "DM", 1),
    Currency("Euro", "EUR", 1.95583L),
    Currency("Japanischer Yen", "JPY", 0.0125L, 0),  // hidden units take the rate too
    Currency("Russischer Rubel", "RUB", 0),
    Currency("US-Dollar", "USD  ", 1.77L),  // trailing blanks of a typed symbol
    Currency("Zypern-Pfund", "CYP", 3.34L),
};

TEST(ImportRates, EveryFormChangesTheSameRecordsAndNothingElse) {
  const std::string expected = FileBytes({
      kSmallFile[0], kSmallFile[1], kSmallFile[2],
      Imported(kSmallFile[3], 180.12L, "ca. 0,0109 DM"),
      kSmallFile[4],
      Imported(kSmallFile[5], 1.165L, "ca. 1,68 DM"),
      kSmallFile[6],
  });
  for (const RateFileForm& form : kRateFileForms) {
    TempWorkDir dir;
    WriteBytes(kFile, FileBytes(kSmallFile));
    ScriptedBoxes boxes;
    std::optional<std::string> summary = ImportRates(form.content, kToday, boxes);
    EXPECT_EQ(ReadBytes(kFile), expected) << form.name;
    EXPECT_FALSE(FileExists(kTempFile));
    EXPECT_TRUE(boxes.shown.empty()) << form.name;
    EXPECT_EQ(summary.value_or("(none)"),
              "Es wurden 2 Wechselkurse mit dem Stand 07.12.2026 übernommen.\n\n"
              "Ohne Einheit im Gebiet \"Währungen\": ISK.\n\n"
              "Fest zum Euro und daher unverändert: BGN.")
        << form.name;
  }
}

TEST(ImportRates, ShippedCurrenciesTakeTheRatesOfTheFile) {
  TempWorkDir dir;
  std::filesystem::copy_file(std::filesystem::path(MENSURIO_BUILD_DATA) / kFile, kFile);
  const std::vector<UnitRecord> before = Records(kFile);
  ScriptedBoxes boxes;
  std::optional<std::string> summary = ImportRates(kRateFileForms[3].content, kToday, boxes);
  ASSERT_TRUE(summary);
  const std::vector<UnitRecord> after = Records(kFile);
  ASSERT_EQ(after.size(), before.size());
  const std::map<std::string, std::pair<long double, const char*>> taken = {
      {"USD", {1.165L, "ca. 1,68 DM"}}, {"JPY", {180.12L, "ca. 0,0109 DM"}}, {"ISK", {146.3L, "ca. 0,0134 DM"}}};
  std::map<std::string, int> seen;
  for (size_t i = 0; i < before.size(); ++i) {
    std::string symbol = TrimRightBlanks(FieldText(before[i].symbol));
    auto it = taken.find(symbol);
    UnitRecord expected = it == taken.end() ? before[i] : Imported(before[i], it->second.first, it->second.second);
    EXPECT_EQ(Bytes(after[i]), Bytes(expected)) << symbol;
    ++seen[symbol];
  }
  EXPECT_EQ(seen["USD"], 1);
  EXPECT_EQ(seen["JPY"], 1);
  EXPECT_EQ(seen["ISK"], 1);
  EXPECT_EQ(seen["BGN"], 1);
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_EQ(summary->substr(0, summary->find("\n\nAchtung")),
            "Es wurden 3 Wechselkurse mit dem Stand 07.12.2026 übernommen.\n\n"
            "Fest zum Euro und daher unverändert: BGN.");
}

TEST(ImportRates, ARefusedFileChangesNothing) {
  const char* cases[] = {
      "<html></html>",
      "Date,USD,\n2026-12-07,abc,\n",
      "Date,USD,\n2026-12-09,1.1,\n",
  };
  for (const char* content : cases) {
    TempWorkDir dir;
    WriteBytes(kFile, FileBytes(kSmallFile));
    ScriptedBoxes boxes;
    EXPECT_FALSE(ImportRates(content, kToday, boxes).has_value()) << content;
    EXPECT_EQ(ReadBytes(kFile), FileBytes(kSmallFile)) << content;
    EXPECT_FALSE(FileExists(kTempFile));
    ASSERT_EQ(boxes.shown.size(), 1u) << content;
    EXPECT_EQ(boxes.shown[0].kind, BoxKind::Error) << content;
    EXPECT_EQ(boxes.shown[0].text, ReadRateFile(content, kToday).error);
  }
}

// Every step of the rewrite made to fail in turn: before the rename the old
// file stays and the one rewrite message is shown, no summary; a failing
// sync after it warns that the new file is not confirmed on the disk.
TEST(ImportRates, AFailureAtAnyStepLeavesTheOldFile) {
  TempWorkDir dir;
  const std::string old = FileBytes(kSmallFile);
  WriteBytes(kFile, old);
  const char* content = kRateFileForms[0].content;
  ScriptedBoxes quiet;
  std::optional<std::string> summary;
  size_t count = StepsOf([&] { summary = ImportRates(content, kToday, quiet); }).size();
  ASSERT_GE(count, 9u);
  ASSERT_TRUE(summary);
  const std::string imported = ReadBytes(kFile);
  for (size_t k = 1; k <= count; ++k) {
    WriteBytes(kFile, old);
    ScriptedBoxes boxes;
    FaultPlan plan(k);
    EXPECT_EQ(ImportRates(content, kToday, boxes), k == count ? summary : std::nullopt) << k;
    SCOPED_TRACE(::testing::Message() << "step " << k << " on " << plan.FailedStep().name);
    EXPECT_EQ(ReadBytes(kFile), k == count ? imported : old);
    const std::vector<std::string> expected =
        k == count ? std::vector<std::string>{SavedUnconfirmedMessage(kFile, kIoAccessDenied)}
                   : std::vector<std::string>{kFailure};
    EXPECT_EQ(boxes.Texts(), expected);
    if (k == count) {
      EXPECT_EQ(plan.FailedStep().step, FileStep::SyncDirectory);
    }
  }
}

// A file older than the newest rate it finds is taken all the same, with a
// warning in the summary.
TEST(ImportRates, WarnsWhenTheFileIsOlderThanTheRatesItReplaces) {
  struct Case { const char* other_stand; const char* warning; };
  const Case cases[] = {
      {"Stand 08.12.2026", "\n\nAchtung: Die Kursdatei ist älter als die bisher neuesten Kurse (Stand 08.12.2026)."},
      {"Stand 07.12.2026", ""},
      {"fest seit 1.1.2027", ""},
  };
  for (const Case& c : cases) {
    TempWorkDir dir;
    UnitRecord other = Currency("Polnischer Zloty", "PLN", 0.451L);
    SetFieldText(other.validity, c.other_stand);
    WriteBytes(kFile, FileBytes({other, Currency("US-Dollar", "USD", 1.77L)}));
    ScriptedBoxes boxes;
    std::optional<std::string> summary = ImportRates("Date,USD,\n2026-12-07,1.165,\n", kToday, boxes);
    EXPECT_EQ(summary.value_or("(none)"),
              std::string("Es wurde 1 Wechselkurs mit dem Stand 07.12.2026 übernommen.") + c.warning)
        << c.other_stand;
  }
}

TEST(ApproxValueText, ThreeSignificantDigitsAsTheShippedData) {
  struct Case { long double dm; const char* text; };
  const Case cases[] = {
      {1.95583L / 1.1050L, "ca. 1,77 DM"},     {1.95583L / 156.33L, "ca. 0,0125 DM"},
      {1.95583L / 17079.71L, "ca. 0,000115 DM"}, {1.95583L / 150.50L, "ca. 0,0130 DM"},
      {1.95583L / 1.6263L, "ca. 1,20 DM"},     {1.95583L / 0.3845L, "ca. 5,09 DM"},
      {1.125L, "ca. 1,13 DM"},                 {0.5L, "ca. 0,500 DM"},
      {9.996L, "ca. 10,0 DM"},                 {123.456L, "ca. 123 DM"},
      {1234.5L, "ca. 1230 DM"},
  };
  for (const Case& c : cases) EXPECT_EQ(ApproxValueText(c.dm), c.text) << static_cast<double>(c.dm);
}

}  // namespace
}  // namespace mensurio
