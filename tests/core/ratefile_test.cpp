#include "ratefile.h"

#include <gtest/gtest.h>

#include "ratefiles.h"

namespace mensurio {
namespace {

Date D(int y, unsigned m, unsigned d) { return Date{std::chrono::year(y), std::chrono::month(m), std::chrono::day(d)}; }

const Date kToday = D(2026, 12, 8);

TEST(ReadRateFile, TakesTheNewestDayOfEveryForm) {
  for (const testing::RateFileForm& form : testing::kRateFileForms) {
    RateFileRead read = ReadRateFile(form.content, kToday);
    ASSERT_TRUE(read.table) << form.name << ": " << read.error;
    EXPECT_EQ(read.table->date, D(2026, 12, 7)) << form.name;
    ASSERT_EQ(read.table->rates.size(), 4u) << form.name;
    const std::pair<const char*, long double> expected[] = {
        {"USD", 1.165L}, {"JPY", 180.12L}, {"BGN", 1.9558L}, {"ISK", 146.3L}};
    for (size_t i = 0; i < 4; ++i) {
      EXPECT_EQ(read.table->rates[i].code, expected[i].first);
      EXPECT_EQ(read.table->rates[i].per_euro, expected[i].second) << expected[i].first;
    }
  }
}

TEST(ReadRateFile, DatesOfTheDailyCsv) {
  struct Case { const char* date; Date expected; };
  const Case cases[] = {{"3 June 2021", D(2021, 6, 3)}, {"03 June 2021", D(2021, 6, 3)},
                        {"29 February 2024", D(2024, 2, 29)}, {"31 December 1999", D(1999, 12, 31)}};
  for (const Case& c : cases) {
    RateFileRead read = ReadRateFile(std::string("Date, USD, \n") + c.date + ", 1.1, \n", kToday);
    ASSERT_TRUE(read.table) << c.date << ": " << read.error;
    EXPECT_EQ(read.table->date, c.expected) << c.date;
  }
}

TEST(ReadRateFile, RefusesWhatIsNoUsableRateFile) {
  const std::string not_rates =
      "Die Datei ist keine Datei mit Euro-Referenzkursen der Europäischen Zentralbank (eurofxref-daily.xml, "
      "eurofxref-hist.xml, eurofxref-hist-90d.xml, eurofxref.csv oder eurofxref-hist.csv)!";
  const std::string no_date = "Die Kursdatei nennt kein Datum!";
  auto xml = [](const std::string& cubes) { return "<gesmes:Envelope><Cube>" + cubes + "</Cube></gesmes:Envelope>"; };
  auto bad_rate = [](const std::string& code, const std::string& text) {
    return "Der Kurs von " + code + " in der Kursdatei (\"" + text + "\") ist keine positive Zahl!";
  };
  struct Case { std::string content, message; };
  const Case cases[] = {
      {"", not_rates},
      {"<!DOCTYPE html><html><body>Euro foreign exchange reference rates</body></html>", not_rates},
      {"PK\x03\x04 zipped", not_rates},
      {"Datum;USD;JPY\n07.12.2026;1,165;180,12\n", not_rates},
      {"Date, US dollar, \n07 December 2026, 1.1650, \n", not_rates},
      {"<gesmes:Envelope><gesmes:subject>Reference rates</gesmes:subject></gesmes:Envelope>", not_rates},
      {xml("<Cube time='2026-12-07'><Cube currency='usd' rate='1.1'/></Cube>"), not_rates},
      {xml("<Cube currency='USD' rate='1.1'/>"), no_date},
      {"Date, USD, \n", no_date},
      {xml("<Cube time='2026-02-30'><Cube currency='USD' rate='1.1'/></Cube>"),
       "Die Kursdatei enthält das ungültige Datum \"2026-02-30\"!"},
      {"Date, USD, \n7 Dezember 2026, 1.1, \n", "Die Kursdatei enthält das ungültige Datum \"7 Dezember 2026\"!"},
      {"Date,USD,\n2026-12-07,1.1,\n07.12.2026,1.2,\n", "Die Kursdatei enthält das ungültige Datum \"07.12.2026\"!"},
      {xml("<Cube time='2026-12-07'></Cube><Cube time='2026-12-04'><Cube currency='USD' rate='1.1'/></Cube>"),
       "Die Kursdatei enthält zum 07.12.2026 keine Kurse!"},
      {"Date,USD,CYP,\n2026-12-07,N/A,N/A,\n2026-12-04,1.1,N/A,\n", "Die Kursdatei enthält zum 07.12.2026 keine Kurse!"},
      {xml("<Cube time='2026-12-07'><Cube currency='USD'/></Cube>"), bad_rate("USD", "")},
      {xml("<Cube time='2026-12-07'><Cube currency='USD' rate='0'/></Cube>"), bad_rate("USD", "0")},
      {xml("<Cube time='2026-12-07'><Cube currency='USD' rate='0.0000'/></Cube>"), bad_rate("USD", "0.0000")},
      {xml("<Cube time='2026-12-07'><Cube currency='USD' rate='-1.1'/></Cube>"), bad_rate("USD", "-1.1")},
      {"Date, USD, JPY, \n07 December 2026, 1.1650, 180 12, \n", bad_rate("JPY", "180 12")},
      {"Date, USD, JPY, \n07 December 2026, 1.1650, abc, \n", bad_rate("JPY", "abc")},
      {"Date,USD,\n2026-12-07,1e3,\n", bad_rate("USD", "1e3")},
      {"Date,USD,\n2026-12-07,1.1.1,\n", bad_rate("USD", "1.1.1")},
      {"Date,USD,\n2026-12-07,0.0000000000000000000000000000000001,\n",
       bad_rate("USD", "0.0000000000000000000000000000000001")},
      {xml("<Cube time='2026-12-09'><Cube currency='USD' rate='1.1'/></Cube>"),
       "Das Datum der Kursdatei (09.12.2026) liegt in der Zukunft!"},
      {"Date,USD,\n2026-12-04,1.1,\n2027-01-01,1.2,\n", "Das Datum der Kursdatei (01.01.2027) liegt in der Zukunft!"},
  };
  for (const Case& c : cases) {
    RateFileRead read = ReadRateFile(c.content, kToday);
    EXPECT_FALSE(read.table) << c.content;
    EXPECT_EQ(read.error, c.message) << c.content;
  }
}

TEST(ReadRateFile, TodayIsNotInTheFuture) {
  RateFileRead read = ReadRateFile("Date,USD,\n2026-12-08,1.1,\n", kToday);
  ASSERT_TRUE(read.table) << read.error;
  EXPECT_EQ(read.table->date, kToday);
}

}  // namespace
}  // namespace mensurio
