#include "ratefile.h"

#include <array>
#include <charconv>

namespace mensurio {
namespace {

constexpr const char* kNoDate = "Die Kursdatei nennt kein Datum!";

std::string BadDate(std::string_view text) {
  return "Die Kursdatei enthält das ungültige Datum \"" + std::string(text) + "\"!";
}
std::string NoRates(Date date) { return "Die Kursdatei enthält zum " + GermanDate(date) + " keine Kurse!"; }
std::string BadRate(std::string_view code, std::string_view text) {
  return "Der Kurs von " + std::string(code) + " in der Kursdatei (\"" + std::string(text) +
         "\") ist keine positive Zahl!";
}
std::string FutureDate(Date date) {
  return "Das Datum der Kursdatei (" + GermanDate(date) + ") liegt in der Zukunft!";
}

RateFileRead Refused(std::string message) { return {std::nullopt, std::move(message)}; }

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool IsCurrencyCode(std::string_view s) {
  if (s.size() != 3) return false;
  for (char c : s)
    if (c < 'A' || c > 'Z') return false;
  return true;
}

std::optional<int> Digits(std::string_view s, size_t count) {
  if (s.size() != count) return std::nullopt;
  int v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  return v;
}

std::optional<Date> MakeDate(std::optional<int> year, std::optional<int> month, std::optional<int> day) {
  if (!year || !month || !day) return std::nullopt;
  Date d{std::chrono::year(*year), std::chrono::month(static_cast<unsigned>(*month)),
         std::chrono::day(static_cast<unsigned>(*day))};
  return d.ok() ? std::optional<Date>(d) : std::nullopt;
}

// "2023-12-29" (XML, historical CSV).
std::optional<Date> ReadIsoDate(std::string_view s) {
  if (s.size() != 10 || s[4] != '-' || s[7] != '-') return std::nullopt;
  return MakeDate(Digits(s.substr(0, 4), 4), Digits(s.substr(5, 2), 2), Digits(s.substr(8, 2), 2));
}

// "29 December 2023" or "3 June 2021" (daily CSV).
std::optional<Date> ReadEnglishDate(std::string_view s) {
  static constexpr std::array<std::string_view, 12> kMonths = {
      "January", "February", "March",     "April",   "May",      "June",
      "July",    "August",   "September", "October", "November", "December"};
  size_t a = s.find(' ');
  size_t b = a == std::string_view::npos ? a : s.find(' ', a + 1);
  if (b == std::string_view::npos) return std::nullopt;
  std::string_view day = s.substr(0, a), month = s.substr(a + 1, b - a - 1), year = s.substr(b + 1);
  std::optional<int> m;
  for (size_t i = 0; i < kMonths.size(); ++i)
    if (month == kMonths[i]) m = static_cast<int>(i) + 1;
  return MakeDate(Digits(year, 4), m, day.size() == 1 ? Digits(day, 1) : Digits(day, 2));
}

std::optional<Date> ReadCsvDate(std::string_view s) {
  std::optional<Date> d = ReadIsoDate(s);
  return d ? d : ReadEnglishDate(s);
}

// A rate as the bank writes it: digits with at most one point, and a size
// whose value in DM a data file can hold.
std::optional<long double> ReadRate(std::string_view s) {
  if (s.empty() || s.find_first_not_of("0123456789.") != std::string_view::npos) return std::nullopt;
  long double v = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v, std::chars_format::fixed);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  if (!(v >= 1e-30L && v <= 1e30L)) return std::nullopt;
  return v;
}

// The rates of the newest date, still as text, before they are checked.
struct RawTable {
  std::optional<Date> date;
  std::vector<std::pair<std::string, std::string>> rates;  // code, rate text
};

RateFileRead Finish(const RawTable& raw, Date today) {
  if (!raw.date) return Refused(kNoDate);
  if (raw.rates.empty()) return Refused(NoRates(*raw.date));
  if (*raw.date > today) return Refused(FutureDate(*raw.date));
  RateTable table{*raw.date, {}};
  for (const auto& [code, text] : raw.rates) {
    std::optional<long double> rate = ReadRate(text);
    if (!rate) return Refused(BadRate(code, text));
    table.rates.push_back({code, *rate});
  }
  return {std::move(table), ""};
}

// ---------------------------------------------------------------------------
// XML: <Cube time='2023-12-29'> holding <Cube currency='USD' rate='1.1050'/>.

// The attributes of one tag (the text between "<Cube" and ">").
struct CubeTag {
  std::optional<std::string_view> time, currency, rate;
  bool well_formed = true;
};

CubeTag ReadCubeTag(std::string_view tag) {
  CubeTag cube;
  size_t i = 0;
  auto skip = [&] {
    while (i < tag.size() && IsBlank(tag[i])) ++i;
  };
  for (skip(); i < tag.size() && tag[i] != '/'; skip()) {
    size_t name_start = i;
    while (i < tag.size() && tag[i] != '=' && !IsBlank(tag[i])) ++i;
    std::string_view name = tag.substr(name_start, i - name_start);
    skip();
    if (i >= tag.size() || tag[i] != '=') return {{}, {}, {}, false};
    ++i;
    skip();
    if (i >= tag.size() || (tag[i] != '\'' && tag[i] != '"')) return {{}, {}, {}, false};
    size_t close = tag.find(tag[i], i + 1);
    if (close == std::string_view::npos) return {{}, {}, {}, false};
    std::string_view value = tag.substr(i + 1, close - i - 1);
    i = close + 1;
    if (name == "time") cube.time = value;
    else if (name == "currency") cube.currency = value;
    else if (name == "rate") cube.rate = value;
  }
  return cube;
}

RateFileRead ReadXml(std::string_view text, Date today) {
  if (text.find("Envelope") == std::string_view::npos) return Refused(kNotARateFileMessage);
  RawTable raw;
  std::optional<Date> current;
  bool cube_seen = false;
  for (size_t at = text.find("<Cube"); at != std::string_view::npos; at = text.find("<Cube", at + 5)) {
    size_t start = at + 5;
    if (start < text.size() && !IsBlank(text[start]) && text[start] != '>' && text[start] != '/') continue;
    size_t end = text.find('>', start);
    if (end == std::string_view::npos) return Refused(kNotARateFileMessage);
    CubeTag cube = ReadCubeTag(text.substr(start, end - start));
    if (!cube.well_formed) return Refused(kNotARateFileMessage);
    cube_seen = true;
    if (cube.time) {
      current = ReadIsoDate(*cube.time);
      if (!current) return Refused(BadDate(*cube.time));
      if (!raw.date || *current > *raw.date) {
        raw.date = current;
        raw.rates.clear();
      }
    } else if (cube.currency) {
      if (!current) return Refused(kNoDate);
      if (!IsCurrencyCode(*cube.currency)) return Refused(kNotARateFileMessage);
      if (*current == *raw.date) raw.rates.emplace_back(*cube.currency, cube.rate.value_or(""));
    }
  }
  if (!cube_seen) return Refused(kNotARateFileMessage);
  return Finish(raw, today);
}

// ---------------------------------------------------------------------------
// CSV: "Date, USD, JPY, ..." then one line per day: "29 December 2023, 1.1050,
// ..." (daily) or "2023-12-29,1.105,..." (historical); "N/A" is no rate.

std::vector<std::string_view> Cells(std::string_view line) {
  std::vector<std::string_view> cells;
  for (size_t start = 0;;) {
    size_t comma = line.find(',', start);
    cells.push_back(Trim(line.substr(start, comma == std::string_view::npos ? comma : comma - start)));
    if (comma == std::string_view::npos) return cells;
    start = comma + 1;
  }
}

RateFileRead ReadCsv(std::string_view text, Date today) {
  std::vector<std::string_view> lines;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find('\n', start);
    std::string_view line = Trim(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (!line.empty()) lines.push_back(line);
    start = end == std::string_view::npos ? text.size() : end + 1;
  }
  std::vector<std::string_view> header = Cells(lines.at(0));
  if (header[0] != "Date") return Refused(kNotARateFileMessage);
  for (size_t i = 1; i < header.size(); ++i)
    if (!header[i].empty() && !IsCurrencyCode(header[i])) return Refused(kNotARateFileMessage);
  RawTable raw;
  std::string_view newest;
  for (size_t n = 1; n < lines.size(); ++n) {
    std::string_view first = Cells(lines[n].substr(0, lines[n].find(',')))[0];
    std::optional<Date> date = ReadCsvDate(first);
    if (!date) return Refused(BadDate(first));
    if (!raw.date || *date > *raw.date) {
      raw.date = date;
      newest = lines[n];
    }
  }
  if (!raw.date) return Refused(kNoDate);
  std::vector<std::string_view> cells = Cells(newest);
  for (size_t i = 1; i < header.size() && i < cells.size(); ++i) {
    if (header[i].empty() || cells[i].empty() || cells[i] == "N/A") continue;
    raw.rates.emplace_back(header[i], cells[i]);
  }
  return Finish(raw, today);
}

}  // namespace

RateFileRead ReadRateFile(std::string_view content, Date today) {
  if (content.substr(0, 3) == "\xEF\xBB\xBF") content.remove_prefix(3);
  content = Trim(content);
  if (content.substr(0, 1) == "<") return ReadXml(content, today);
  if (content.substr(0, 4) == "Date") return ReadCsv(content, today);
  return Refused(kNotARateFileMessage);
}

}  // namespace mensurio
