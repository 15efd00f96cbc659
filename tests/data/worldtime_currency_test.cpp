// Checks of the shipped world-time places against the system's time-zone
// database, and of the shipped currencies against the fixed euro rates.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iterator>
#include <map>
#include <iostream>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue.h"
#include "compiler.h"
#include "text.h"
#include "unitrecord.h"
#include "zonefacts.h"

namespace mensurio::datac {
namespace {

constexpr int kWaehrungen = 41;
constexpr int kWeltzeit = 44;

std::vector<datasource::SourceUnit> ShippedUnits(int area) {
  return CompileArea(ReadFile(AreaSourcePath(MENSURIO_SOURCE_DIR "/data", area)), area,
                     AreaCatalogue(area).file);
}

std::string SourceName(int area) {
  std::string file = AreaCatalogue(area).file;
  return file.substr(0, file.find('.')) + ".txt";
}

template <size_t N>
std::string Text(const char (&field)[N]) {
  return Cp1252ToUtf8(TrimRightBlanks(FieldText(field)));
}

// ---------------------------------------------------------------------------
// World time

std::string ZoneDir() { return SystemZoneDirectory(); }

// The tzdata release and the date the shipped places were last checked
// against, from the "Stand: tzdata 2026f, geprüft am 2026-12-08" line of the
// source's header.
struct CheckedAgainst { std::string version; CivilDate date; };
std::optional<CheckedAgainst> CheckedAgainstOf(const std::string& source) {
  static const std::regex kStand(R"(^# Stand: tzdata (\d{4}[a-z]+), geprüft am (\d{4})-(\d\d)-(\d\d)\.)");
  std::istringstream lines(source);
  for (std::string line; std::getline(lines, line) && line.rfind('#', 0) == 0;) {
    std::smatch m;
    if (std::regex_search(line, m, kStand))
      return CheckedAgainst{m[1], CivilDate{std::stoi(m[2]), std::stoi(m[3]), std::stoi(m[4])}};
  }
  return std::nullopt;
}

std::string SystemTzdataVersion() { return ZoneDatabaseVersion(ZoneDir()); }

// Reports every shipped place whose offset or summer time differs from what
// the zone files under ZoneDir() say from the given day on.
void ExpectPlacesAgreeWithTzdata(const CivilDate& from) {
  const std::string file = SourceName(kWeltzeit);
  auto units = ShippedUnits(kWeltzeit);
  ASSERT_GE(units.size(), 130u);
  for (const auto& u : units) {
    const std::string where = file + ":" + std::to_string(u.line) + ": " + Text(u.record.name) + " (" +
                              u.check + ")";
    auto zone = LoadTimeZone(ZoneDir(), u.check);
    if (!zone) {
      ADD_FAILURE() << where << ": keine Zeitzone dieses Namens in " << ZoneDir();
      continue;
    }
    long double hours = u.record.Factor();
    long double minutes = hours * 60;
    long ours = std::lround(static_cast<double>(minutes));
    if (std::fabs(static_cast<double>(minutes) - static_cast<double>(ours)) > 1e-6) {
      ADD_FAILURE() << where << ": Faktor " << static_cast<double>(hours) << " h ist keine ganze Minutenzahl";
      continue;
    }
    // The same facts the program's time-zone refresh sets the places from.
    ZoneFacts f = FactsFrom(*zone, from);
    EXPECT_EQ(ours, f.standard_minutes)
        << where << ": Normalzeit laut Datei " << ours << " min, laut tzdata " << f.standard_minutes << " min";
    const std::string validity = Text(u.record.validity);
    EXPECT_TRUE(SummerTimeTextFits(f, validity))
        << where << ": Sommerzeit laut Datei \"" << validity << "\", laut tzdata "
        << (f.summer_time ? SummerTimeText(f) : "keine");
  }
}

// On the tzdata release the data was checked against, the places agree with
// it in the year of that check. Any other release may rightly differ (an
// older one lacks later changes, a newer one has new ones): that comparison
// is `make check-data`'s.
TEST(ShippedWorldTime, OffsetsAndSummerTimeAgreeWithTzdata) {
  auto checked = CheckedAgainstOf(ReadFile(AreaSourcePath(MENSURIO_SOURCE_DIR "/data", kWeltzeit)));
  ASSERT_TRUE(checked) << SourceName(kWeltzeit) << ": Kopfzeile \"# Stand: tzdata …, geprüft am …\" fehlt";
  const std::string system = SystemTzdataVersion();
  if (system != checked->version)
    GTEST_SKIP() << "Die Weltzeit-Daten sind gegen tzdata " << checked->version << " geprüft, in " << ZoneDir()
                 << " liegt tzdata " << (system.empty() ? "unbekannter Fassung" : system)
                 << "; den Vergleich mit dieser Fassung macht make check-data.";
  ExpectPlacesAgreeWithTzdata(checked->date);
}

// make check-data: every place against the system's tzdata as it stands
// today, whatever its release.
TEST(ShippedWorldTime, AgreesWithTheSystemTzdataToday) {
  if (!std::getenv("MENSURIO_CHECK_DATA")) GTEST_SKIP() << "nur in make check-data";
  const time_t now = std::time(nullptr);
  struct tm u;
  gmtime_r(&now, &u);
  const CivilDate today{u.tm_year + 1900, u.tm_mon + 1, u.tm_mday};
  std::cout << "tzdata " << SystemTzdataVersion() << " in " << ZoneDir() << ", ab " << today.day << "."
            << today.month << "." << today.year << "\n";
  ExpectPlacesAgreeWithTzdata(today);
}

TEST(ShippedWorldTime, HeaderNamesTheTzdataRelease) {
  struct Case { const char* source; const char* version; CivilDate date; };
  const Case cases[] = {
      {"# Weltzeit\n# Stand: tzdata 2026f, geprüft am 2026-12-08.\n1 | 2 | UTC\n", "2026f", {2026, 12, 8}},
      {"# Stand: tzdata 2031a, geprüft am 2032-01-02. Mehr Text\n", "2031a", {2032, 1, 2}},
      {"# Weltzeit\n1 | 2 | UTC\n# Stand: tzdata 2026f, geprüft am 2026-12-08.\n", "", {}},
      {"# Stand: tzdata 2026f\n", "", {}},
      {"", "", {}},
  };
  for (const Case& c : cases) {
    auto checked = CheckedAgainstOf(c.source);
    EXPECT_EQ(checked ? checked->version : "", c.version) << c.source;
    EXPECT_EQ(checked ? checked->date : CivilDate{}, c.date) << c.source;
  }
}

// The historical realms and the former states: no clock and no currency of their own.
const std::vector<int> kGoneRealms = {22, 37, 38, 39, 40, 53, 61, 79};

TEST(ShippedWorldTime, UniversalTimeIsThereWithOffsetZero) {
  int found = 0;
  for (const auto& u : ShippedUnits(kWeltzeit))
    if (u.check == "Etc/UTC") {
      ++found;
      EXPECT_EQ(u.record.Factor(), 0.0L);
      EXPECT_EQ(u.record.origin, 2);
      EXPECT_EQ(Text(u.record.validity), "");
    }
  EXPECT_EQ(found, 1);
}

TEST(ShippedWorldTime, EveryCountryOfTheOriginTableHasAPlace) {
  const std::vector<int>& gone = kGoneRealms;
  std::map<int, int> places;
  for (const auto& u : ShippedUnits(kWeltzeit)) ++places[u.record.origin];
  for (int code = 21; code <= kOriginCount; ++code) {
    if (*OriginName(code) == '\0' || std::find(gone.begin(), gone.end(), code) != gone.end()) continue;
    EXPECT_GT(places[code], 0) << "kein Ort für " << OriginName(code) << " (" << code << ")";
  }
  for (int code : gone) EXPECT_EQ(places[code], 0) << OriginName(code);
}

TEST(ShippedWorldTime, EveryPlaceHasASymbol) {
  const std::string file = SourceName(kWeltzeit);
  for (const auto& u : ShippedUnits(kWeltzeit))
    EXPECT_FALSE(Text(u.record.symbol).empty()) << file << ":" << u.line << ": " << Text(u.record.name);
}

// ---------------------------------------------------------------------------
// Currencies

// The conversion rates fixed by the Council of the EU: units of the currency
// for one euro.
struct FixedRate { const char* name; long double per_euro; };
const FixedRate kEuroRates[] = {
    {"Euro", 1.0L},
    {"Belgischer Franc", 40.3399L},
    {"Österreichischer Schilling", 13.7603L},
    {"Französischer Franc", 6.55957L},
    {"Italienische Lira", 1936.27L},
    {"Niederländischer Gulden", 2.20371L},
    {"Spanische Peseta", 166.386L},
    {"Portugiesischer Escudo", 200.482L},
    {"Finnmark", 5.94573L},
    {"Irisches Pfund", 0.787564L},
    {"Luxemburgischer Franc", 40.3399L},
    {"Griechische Drachme", 340.750L},
    {"Slowenischer Tolar", 239.640L},
    {"Zypern-Pfund", 0.585274L},
    {"Maltesische Lira", 0.429300L},
    {"Slowakische Krone", 30.1260L},
    {"Estnische Krone", 15.6466L},
    {"Lettischer Lats", 0.702804L},
    {"Litauischer Litas", 3.45280L},
    {"Kroatische Kuna", 7.53450L},
    {"Bulgarischer Lew", 1.95583L},
};
constexpr long double kDmPerEuro = 1.95583L;

// The number a value text such as "ca. 0,0125 DM" shows, with its count of
// decimals; nullopt when it shows none.
struct ShownNumber { long double value; int decimals; };
std::optional<ShownNumber> NumberShown(const std::string& text) {
  size_t begin = text.find_first_of("0123456789");
  if (begin == std::string::npos) return std::nullopt;
  size_t end = text.find_first_not_of("0123456789,", begin);
  std::string digits = text.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
  if (!digits.empty() && digits.back() == ',') digits.pop_back();
  size_t comma = digits.find(',');
  int decimals = comma == std::string::npos ? 0 : static_cast<int>(digits.size() - comma - 1);
  if (comma != std::string::npos) digits[comma] = '.';
  return ShownNumber{std::strtold(digits.c_str(), nullptr), decimals};
}

TEST(CurrencyHelpers, NumberShownInValueTexts) {
  struct Case { const char* text; bool has; long double value; int decimals; };
  const Case cases[] = {
      {"ca. 1,77 DM", true, 1.77L, 2},   {"ca. 0,000115 DM", true, 0.000115L, 6},
      {"1,95583 DM", true, 1.95583L, 5}, {"1 DM", true, 1, 0},
      {"unbekannt", false, 0, 0},        {"ca. 4,60 DM", true, 4.6L, 2},
  };
  for (const Case& c : cases) {
    auto n = NumberShown(c.text);
    ASSERT_EQ(n.has_value(), c.has) << c.text;
    if (!n) continue;
    EXPECT_NEAR(static_cast<double>(n->value), static_cast<double>(c.value), 1e-12) << c.text;
    EXPECT_EQ(n->decimals, c.decimals) << c.text;
  }
}

TEST(ShippedCurrencies, EuroRatesAreExact) {
  const std::string file = SourceName(kWaehrungen);
  auto units = ShippedUnits(kWaehrungen);
  for (const FixedRate& rate : kEuroRates) {
    int found = 0;
    for (const auto& u : units) {
      if (Text(u.record.name) != rate.name) continue;
      ++found;
      long double dm = u.record.Factor() * rate.per_euro;
      EXPECT_LE(std::fabs(dm / kDmPerEuro - 1), 1e-11L)
          << file << ":" << u.line << ": " << rate.name << ": Faktor " << static_cast<double>(u.record.Factor())
          << " × " << static_cast<double>(rate.per_euro) << " = " << static_cast<double>(dm)
          << " statt 1,95583";
    }
    EXPECT_EQ(found, 1) << rate.name;
  }
}

TEST(ShippedCurrencies, TheBaseIsTheDeutscheMark) {
  int found = 0;
  for (const auto& u : ShippedUnits(kWaehrungen))
    if (Text(u.record.symbol) == "DM") {
      ++found;
      EXPECT_EQ(Text(u.record.name), "Deutsche Mark");
      EXPECT_EQ(u.record.Factor(), 1.0L);
    }
  EXPECT_EQ(found, 1);
}

TEST(ShippedCurrencies, DateAndValueTextOfEveryCurrency) {
  const std::string file = SourceName(kWaehrungen);
  auto units = ShippedUnits(kWaehrungen);
  ASSERT_GE(units.size(), 58u);
  int known = 0;
  for (const auto& u : units) {
    const std::string where = file + ":" + std::to_string(u.line) + ": " + Text(u.record.name);
    if (Text(u.record.symbol) == "DM") continue;
    const std::string validity = Text(u.record.validity);
    const std::string value = Text(u.record.approx_value);
    EXPECT_FALSE(validity.empty()) << where << ": Stand fehlt";
    EXPECT_FALSE(value.empty()) << where << ": Wert fehlt";
    EXPECT_GE(u.record.Factor(), 0.0L) << where;
    auto shown = NumberShown(value);
    if (u.record.Factor() == 0) {
      EXPECT_FALSE(shown) << where << ": Kurs unbekannt, aber Wert \"" << value << "\"";
      continue;
    }
    ++known;
    if (!shown) {
      ADD_FAILURE() << where << ": Wert \"" << value << "\" nennt keine Zahl";
      continue;
    }
    // The text shows the factor rounded to its decimals.
    long double scale = std::pow(10.0L, shown->decimals);
    EXPECT_EQ(std::llround(static_cast<double>(u.record.Factor() * scale)),
              std::llround(static_cast<double>(shown->value * scale)))
        << where << ": Wert \"" << value << "\" passt nicht zum Faktor "
        << static_cast<double>(u.record.Factor());
  }
  EXPECT_GE(known, 57);
}

TEST(ShippedCurrencies, EveryCountryOfTheOriginTableHasACurrency) {
  std::map<int, int> currencies;
  for (const auto& u : ShippedUnits(kWaehrungen)) ++currencies[u.record.origin];
  for (int code = 21; code <= kOriginCount; ++code) {
    if (*OriginName(code) == '\0' || std::find(kGoneRealms.begin(), kGoneRealms.end(), code) != kGoneRealms.end())
      continue;
    EXPECT_GT(currencies[code], 0) << "keine Währung für " << OriginName(code) << " (" << code << ")";
  }
}

// The day a "Stand" text or a source note names: "Stand 05.03.2026" and
// "EZB-Referenzkurs 5.3.2026:" both give {2026, 3, 5}; nullopt without one.
std::optional<std::array<int, 3>> DateAfter(const std::string& text, const std::string& marker) {
  size_t at = text.find(marker);
  if (at == std::string::npos) return std::nullopt;
  int day = 0, month = 0, year = 0;
  if (std::sscanf(text.c_str() + at + marker.size(), "%d.%d.%d", &day, &month, &year) != 3) return std::nullopt;
  return std::array<int, 3>{year, month, day};
}

TEST(CurrencyHelpers, DatesOfStandAndSourceTexts) {
  using Date = std::optional<std::array<int, 3>>;
  EXPECT_EQ(DateAfter("Stand 05.03.2026", "Stand "), (Date{{2026, 3, 5}}));
  EXPECT_EQ(DateAfter("EZB-Referenzkurs 5.3.2026: 1 EUR = 1,1618 USD", "EZB-Referenzkurs "), (Date{{2026, 3, 5}}));
  EXPECT_EQ(DateAfter("fest seit 1.1.1999", "Stand "), Date{});
  EXPECT_EQ(DateAfter("Stand unbekannt", "Stand "), Date{});
}

// The market rates come from one ECB publication: every line that cites an
// ECB reference rate cites the same day, and its "Stand" is that day or, for
// a rate of its own country combined with the ECB dollar rate, an earlier one.
TEST(ShippedCurrencies, EcbRatesAreOfOneDay) {
  const std::string file = SourceName(kWaehrungen);
  std::optional<std::array<int, 3>> ecb_day;
  int cited = 0;
  for (const auto& u : ShippedUnits(kWaehrungen)) {
    auto cites = DateAfter(u.source, "EZB-Referenzkurs ");
    if (!cites) continue;
    ++cited;
    const std::string where = file + ":" + std::to_string(u.line) + ": " + Text(u.record.name);
    if (!ecb_day) ecb_day = cites;
    EXPECT_EQ(*cites, *ecb_day) << where << ": anderer EZB-Tag";
    auto stand = DateAfter(Text(u.record.validity), "Stand ");
    ASSERT_TRUE(stand) << where << ": kein Stand";
    EXPECT_LE(*stand, *cites) << where << ": Stand nach dem EZB-Tag";
  }
  EXPECT_GE(cited, 30);
}

}  // namespace
}  // namespace mensurio::datac
