// Checks of the shipped world-time places against the system's time-zone
// database, and of the shipped currencies against the fixed euro rates.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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

std::string ZoneDir() {
  const char* dir = std::getenv("TZDIR");
  return dir && *dir ? dir : "/usr/share/zoneinfo";
}

// The rule a zone follows from now on: the POSIX TZ string that closes a
// TZif file of version 2 or later (after the last recorded transition every
// year repeats it). nullopt when the zone is unknown or the file has none.
std::optional<std::string> CurrentRule(const std::string& zone) {
  if (zone.empty() || zone.find("..") != std::string::npos) return std::nullopt;
  std::ifstream in(ZoneDir() + "/" + zone, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() < 45 || bytes.compare(0, 4, "TZif") != 0 || bytes[4] < '2') return std::nullopt;
  if (bytes.back() != '\n') return std::nullopt;
  size_t start = bytes.rfind('\n', bytes.size() - 2);
  if (start == std::string::npos) return std::nullopt;
  std::string rule = bytes.substr(start + 1, bytes.size() - start - 2);
  if (rule.empty()) return std::nullopt;
  return rule;
}

// Sets TZ for the lifetime of the object and restores it afterwards.
class ScopedTz {
 public:
  explicit ScopedTz(const std::string& tz) {
    if (const char* old = std::getenv("TZ")) old_ = old;
    setenv("TZ", tz.c_str(), 1);
    tzset();
  }
  ~ScopedTz() {
    if (old_) setenv("TZ", old_->c_str(), 1);
    else unsetenv("TZ");
    tzset();
  }
  ScopedTz(const ScopedTz&) = delete;
  ScopedTz& operator=(const ScopedTz&) = delete;

 private:
  std::optional<std::string> old_;
};

long OffsetSeconds(time_t t) {
  struct tm local;
  localtime_r(&t, &local);
  return local.tm_gmtoff;
}

int LocalMonth(time_t t) {
  struct tm local;
  localtime_r(&t, &local);
  return local.tm_mon + 1;
}

time_t UtcNoon(int year, int month, int day) {
  struct tm u = {};
  u.tm_year = year - 1900;
  u.tm_mon = month - 1;
  u.tm_mday = day;
  u.tm_hour = 12;
  return timegm(&u);
}

struct ZoneFacts {
  long standard_minutes = 0;  // the smaller of the January and July offsets
  bool summer_time = false;   // January and July differ
  int summer_starts = 0;      // month (1..12) in which the offset rises, 0 = none
  int summer_ends = 0;        // month in which it falls back
};

// What the current TZ setting says about one year.
ZoneFacts FactsOfYear(int year) {
  ZoneFacts f;
  long january = OffsetSeconds(UtcNoon(year, 1, 15));
  long july = OffsetSeconds(UtcNoon(year, 7, 15));
  f.standard_minutes = std::min(january, july) / 60;
  f.summer_time = january != july;
  time_t t = UtcNoon(year, 1, 1);
  const time_t end = UtcNoon(year + 1, 1, 1);
  long before = OffsetSeconds(t);
  for (time_t next = t + 86400; next <= end; t = next, next += 86400) {
    long after = OffsetSeconds(next);
    if (after == before) continue;
    // The last second of the old offset, found by halving the day.
    time_t lo = t, hi = next;
    while (hi - lo > 1) {
      time_t mid = lo + (hi - lo) / 2;
      (OffsetSeconds(mid) == before ? lo : hi) = mid;
    }
    int month = LocalMonth(lo);
    if (after > before && !f.summer_starts) f.summer_starts = month;
    if (after < before && !f.summer_ends) f.summer_ends = month;
    before = after;
  }
  return f;
}

// The months a period text such as "Ende März bis Ende Okt." names, in order.
std::vector<int> MonthsNamed(const std::string& text) {
  static const std::map<std::string, int> kMonths = {
      {"Jan.", 1}, {"Januar", 1}, {"Feb.", 2}, {"Februar", 2}, {"März", 3},  {"Apr.", 4},
      {"April", 4}, {"Mai", 5},   {"Juni", 6}, {"Juli", 7},    {"Aug.", 8},  {"August", 8},
      {"Sep.", 9},  {"Sept.", 9}, {"Okt.", 10}, {"Oktober", 10}, {"Nov.", 11}, {"November", 11},
      {"Dez.", 12}, {"Dezember", 12}};
  std::vector<int> months;
  std::istringstream words(text);
  for (std::string w; words >> w;) {
    auto it = kMonths.find(w);
    if (it != kMonths.end()) months.push_back(it->second);
  }
  return months;
}

// The tzdata release and the date the shipped places were last checked
// against, from the "Stand: tzdata 2026f, geprüft am 2026-12-08" line of the
// source's header.
struct CheckedAgainst { std::string version; int year = 0; };
std::optional<CheckedAgainst> CheckedAgainstOf(const std::string& source) {
  static const std::regex kStand(R"(^# Stand: tzdata (\d{4}[a-z]+), geprüft am (\d{4})-\d\d-\d\d\.)");
  std::istringstream lines(source);
  for (std::string line; std::getline(lines, line) && line.rfind('#', 0) == 0;) {
    std::smatch m;
    if (std::regex_search(line, m, kStand)) return CheckedAgainst{m[1], std::stoi(m[2])};
  }
  return std::nullopt;
}

// The release of the zone files under ZoneDir(), from the first line of
// their tzdata.zi ("# version 2026f"); "" when that file is missing.
std::string SystemTzdataVersion() {
  std::ifstream in(ZoneDir() + "/tzdata.zi");
  std::string line;
  if (!std::getline(in, line) || line.rfind("# version ", 0) != 0) return "";
  std::string version;
  std::istringstream(line.substr(10)) >> version;
  return version;
}

TEST(WorldTimeHelpers, ReadTheRuleOfAZoneFile) {
  ASSERT_TRUE(CurrentRule("Europe/Berlin")) << ZoneDir();
  EXPECT_EQ(*CurrentRule("Europe/Berlin"), "CET-1CEST,M3.5.0,M10.5.0/3");
  EXPECT_EQ(*CurrentRule("Etc/UTC"), "UTC0");
  EXPECT_FALSE(CurrentRule("Europe/Nirgendwo"));
  EXPECT_FALSE(CurrentRule("../zoneinfo/Europe/Berlin"));
  EXPECT_FALSE(CurrentRule(""));
}

TEST(WorldTimeHelpers, FactsOfRuleStrings) {
  struct Case { const char* tz; long standard; bool summer; int starts, ends; };
  const Case cases[] = {
      {"CET-1CEST,M3.5.0,M10.5.0/3", 60, true, 3, 10},
      {"EST5EDT,M3.2.0,M11.1.0", -300, true, 3, 11},
      {"AEST-10AEDT,M10.1.0,M4.1.0/3", 600, true, 10, 4},
      {"IST-1GMT0,M10.5.0,M3.5.0/1", 0, true, 3, 10},  // Irish winter time as negative DST
      {"<+0545>-5:45", 345, false, 0, 0},
      {"<-0330>3:30", -210, false, 0, 0},
      {"UTC0", 0, false, 0, 0},
  };
  for (const Case& c : cases) {
    ScopedTz tz(c.tz);
    ZoneFacts f = FactsOfYear(2030);
    EXPECT_EQ(f.standard_minutes, c.standard) << c.tz;
    EXPECT_EQ(f.summer_time, c.summer) << c.tz;
    EXPECT_EQ(f.summer_starts, c.starts) << c.tz;
    EXPECT_EQ(f.summer_ends, c.ends) << c.tz;
  }
}

TEST(WorldTimeHelpers, MonthsOfPeriodTexts) {
  EXPECT_EQ(MonthsNamed("Ende März bis Ende Okt."), (std::vector<int>{3, 10}));
  EXPECT_EQ(MonthsNamed("2. So. März bis 1. So. Nov."), (std::vector<int>{3, 11}));
  EXPECT_EQ(MonthsNamed("Anfang Okt. bis Anfang Apr."), (std::vector<int>{10, 4}));
  EXPECT_EQ(MonthsNamed("Mitte Mai"), (std::vector<int>{5}));
  EXPECT_TRUE(MonthsNamed("ganzjährig").empty());
}

// Reports every shipped place whose offset or summer time differs from what
// the zone files under ZoneDir() say about the given year.
void ExpectPlacesAgreeWithTzdata(int year) {
  const std::string file = SourceName(kWeltzeit);
  auto units = ShippedUnits(kWeltzeit);
  ASSERT_GE(units.size(), 130u);
  for (const auto& u : units) {
    const std::string where = file + ":" + std::to_string(u.line) + ": " + Text(u.record.name) + " (" +
                              u.check + ")";
    auto rule = CurrentRule(u.check);
    if (!rule) {
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
    ZoneFacts f;
    {
      ScopedTz tz(*rule);
      f = FactsOfYear(year);
    }
    EXPECT_EQ(ours, f.standard_minutes)
        << where << ": Normalzeit laut Datei " << ours << " min, laut tzdata " << f.standard_minutes
        << " min (Regel " << *rule << ")";
    const std::string validity = Text(u.record.validity);
    if (f.summer_time != !validity.empty()) {
      ADD_FAILURE() << where << ": Sommerzeit laut Datei \"" << validity << "\", laut tzdata "
                    << (f.summer_time ? "ja" : "keine") << " (Regel " << *rule << ")";
      continue;
    }
    if (f.summer_time) {
      std::vector<int> expected = {f.summer_starts, f.summer_ends};
      std::vector<int> named = MonthsNamed(validity);
      EXPECT_EQ(named, expected) << where << ": Sommerzeit \"" << validity << "\" nennt andere Monate als tzdata ("
                                 << f.summer_starts << " bis " << f.summer_ends << ", Regel " << *rule << ")";
    }
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
  ExpectPlacesAgreeWithTzdata(checked->year);
}

// make check-data: every place against the system's tzdata as it stands
// today, whatever its release.
TEST(ShippedWorldTime, AgreesWithTheSystemTzdataToday) {
  if (!std::getenv("MENSURIO_CHECK_DATA")) GTEST_SKIP() << "nur in make check-data";
  const time_t now = std::time(nullptr);
  struct tm u;
  gmtime_r(&now, &u);
  std::cout << "tzdata " << SystemTzdataVersion() << " in " << ZoneDir() << ", Jahr " << u.tm_year + 1900 << "\n";
  ExpectPlacesAgreeWithTzdata(u.tm_year + 1900);
}

TEST(ShippedWorldTime, HeaderNamesTheTzdataRelease) {
  struct Case { const char* source; const char* version; int year; };
  const Case cases[] = {
      {"# Weltzeit\n# Stand: tzdata 2026f, geprüft am 2026-12-08.\n1 | 2 | UTC\n", "2026f", 2026},
      {"# Stand: tzdata 2031a, geprüft am 2032-01-02. Mehr Text\n", "2031a", 2032},
      {"# Weltzeit\n1 | 2 | UTC\n# Stand: tzdata 2026f, geprüft am 2026-12-08.\n", "", 0},
      {"# Stand: tzdata 2026f\n", "", 0},
      {"", "", 0},
  };
  for (const Case& c : cases) {
    auto checked = CheckedAgainstOf(c.source);
    EXPECT_EQ(checked ? checked->version : "", c.version) << c.source;
    EXPECT_EQ(checked ? checked->year : 0, c.year) << c.source;
  }
}

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
  // The historical realms and the former states have no clock of their own.
  const std::vector<int> gone = {22, 37, 38, 39, 40, 53, 61, 79};
  std::map<int, int> places;
  for (const auto& u : ShippedUnits(kWeltzeit)) ++places[u.record.origin];
  for (int code = 21; code <= kOriginCount; ++code) {
    if (*OriginName(code) == '\0' || std::find(gone.begin(), gone.end(), code) != gone.end()) continue;
    EXPECT_GT(places[code], 0) << "kein Ort für " << OriginName(code) << " (" << code << ")";
  }
  for (int code : gone) EXPECT_EQ(places[code], 0) << OriginName(code);
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

}  // namespace
}  // namespace mensurio::datac
