#include "datasource.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "catalogue.h"
#include "text.h"
#include "worldtime.h"

namespace mensurio::datasource {
namespace {

constexpr const char* kFieldNames[] = {"visible",      "origin",       "symbol", "name",
                                       "factor",       "other_name",   "validity",
                                       "field_of_use", "approx_value", "check",
                                       "source",       "raw"};
constexpr size_t kMinFields = 11;

// Splits a line at unquoted '|'; quoted fields lose their quotes.
std::vector<std::string> SplitFields(const std::string& line, int lineNo) {
  std::vector<std::string> fields;
  size_t i = 0;
  for (;;) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    std::string field;
    if (i < line.size() && line[i] == '"') {
      ++i;
      for (;;) {
        if (i >= line.size())
          throw SourceError(lineNo, kFieldNames[std::min<size_t>(fields.size(), 11)],
                            "Anführungszeichen nicht geschlossen");
        char c = line[i++];
        if (c == '"') break;
        if (c == '\\' && i < line.size()) c = line[i++];
        field += c;
      }
      while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
      if (i < line.size() && line[i] != '|')
        throw SourceError(lineNo, kFieldNames[std::min<size_t>(fields.size(), 11)],
                          "Text nach dem Anführungszeichen");
    } else {
      size_t end = line.find('|', i);
      field = line.substr(i, end == std::string::npos ? std::string::npos : end - i);
      while (!field.empty() && (field.back() == ' ' || field.back() == '\t' || field.back() == '\r'))
        field.pop_back();
      i = end == std::string::npos ? line.size() : end;
    }
    fields.push_back(field);
    if (i >= line.size()) break;
    ++i;  // the '|'
  }
  return fields;
}

long ParseWhole(const std::string& text, int lineNo, const char* field, long lo, long hi) {
  char* end = nullptr;
  long v = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || v < lo || v > hi)
    throw SourceError(lineNo, field, "Zahl von " + std::to_string(lo) + " bis " +
                                         std::to_string(hi) + " erwartet: \"" + text + "\"");
  return v;
}

template <size_t N>
void StoreText(char (&dest)[N], const std::string& utf8, int lineNo, const char* field,
               bool blanksWhenEmpty) {
  auto cp = Utf8ToCp1252(utf8);
  if (!cp) throw SourceError(lineNo, field, "Zeichen außerhalb von Windows-1252: \"" + utf8 + "\"");
  if (cp->size() > N - 1)
    throw SourceError(lineNo, field, "Text zu lang (" + std::to_string(cp->size()) + " statt höchstens " +
                                         std::to_string(N - 1) + " Zeichen): \"" + utf8 + "\"");
  if (blanksWhenEmpty)
    SetFieldOrBlanks(dest, *cp);
  else
    SetFieldText(dest, *cp);
}

// Recursive-descent evaluation of a factor expression.
class Expression {
 public:
  explicit Expression(const std::string& s) : s_(s) {}
  std::optional<long double> Evaluate() {
    auto v = Sum();
    Skip();
    if (!v || pos_ != s_.size()) return std::nullopt;
    return v;
  }

 private:
  void Skip() {
    while (pos_ < s_.size() && s_[pos_] == ' ') ++pos_;
  }
  bool Take(char c) {
    Skip();
    if (pos_ < s_.size() && s_[pos_] == c) { ++pos_; return true; }
    return false;
  }
  std::optional<long double> Sum() {
    auto v = Product();
    while (v) {
      if (Take('+')) { auto r = Product(); if (!r) return r; *v += *r; }
      else if (Take('-')) { auto r = Product(); if (!r) return r; *v -= *r; }
      else break;
    }
    return v;
  }
  std::optional<long double> Product() {
    auto v = Power();
    while (v) {
      if (Take('*')) { auto r = Power(); if (!r) return r; *v *= *r; }
      else if (Take('/')) { auto r = Power(); if (!r || *r == 0) return std::nullopt; *v /= *r; }
      else break;
    }
    return v;
  }
  std::optional<long double> Power() {
    auto v = Unary();
    if (v && Take('^')) {
      auto r = Power();
      if (!r) return r;
      *v = std::pow(*v, *r);
    }
    return v;
  }
  std::optional<long double> Unary() {
    if (Take('-')) { auto v = Unary(); if (v) *v = -*v; return v; }
    if (Take('+')) return Unary();
    if (Take('(')) {
      auto v = Sum();
      if (!v || !Take(')')) return std::nullopt;
      return v;
    }
    Skip();
    size_t start = pos_;
    while (pos_ < s_.size() && (std::isdigit(static_cast<unsigned char>(s_[pos_])) || s_[pos_] == '.')) ++pos_;
    if (pos_ < s_.size() && (s_[pos_] == 'e' || s_[pos_] == 'E') && pos_ > start) {
      size_t save = pos_++;
      if (pos_ < s_.size() && (s_[pos_] == '+' || s_[pos_] == '-')) ++pos_;
      if (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_])))
        while (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_]))) ++pos_;
      else
        pos_ = save;
    }
    if (pos_ == start) return std::nullopt;
    std::string number = s_.substr(start, pos_ - start);
    char* end = nullptr;
    long double v = std::strtold(number.c_str(), &end);
    if (*end != '\0') return std::nullopt;
    return v;
  }

  const std::string& s_;
  size_t pos_ = 0;
};

std::string Quote(const std::string& utf8) {
  bool needs = utf8.empty() ? false
                            : (utf8.front() == ' ' || utf8.back() == ' ' || utf8.front() == '"' ||
                               utf8.front() == '#' || utf8.find('|') != std::string::npos ||
                               utf8.find('\t') != std::string::npos);
  std::string clean = utf8;
  for (char& c : clean)
    if (static_cast<unsigned char>(c) < 0x20) c = '?';  // keeps the line one line
  if (!needs) return clean;
  std::string out = "\"";
  for (char c : clean) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

// The source text of a field: blank-filled fields read back as empty.
template <size_t N>
std::string FieldSource(const char (&field)[N]) {
  std::string text = FieldText(field);
  if (text == std::string(N - 1, ' ')) text.clear();
  return Quote(Cp1252ToUtf8(text));
}

std::string Hex(const UnitRecord& r) {
  static const char* digits = "0123456789abcdef";
  std::string out;
  const auto* p = reinterpret_cast<const unsigned char*>(&r);
  for (size_t i = 0; i < sizeof r; ++i) {
    out += digits[p[i] >> 4];
    out += digits[p[i] & 15];
  }
  return out;
}

UnitRecord FromHex(const std::string& hex, int lineNo) {
  UnitRecord r;
  if (hex.size() != 2 * sizeof r) throw SourceError(lineNo, "raw", "516 Hexadezimalziffern erwartet");
  auto* p = reinterpret_cast<unsigned char*>(&r);
  for (size_t i = 0; i < sizeof r; ++i) {
    char pair[3] = {hex[2 * i], hex[2 * i + 1], 0};
    char* end = nullptr;
    long v = std::strtol(pair, &end, 16);
    if (*end != '\0' || !std::isxdigit(static_cast<unsigned char>(pair[0])))
      throw SourceError(lineNo, "raw", "keine Hexadezimalziffer");
    p[i] = static_cast<unsigned char>(v);
  }
  return r;
}

// The state of the data a world-time source names: the first "tzdata 2026f"
// or "Stand 08.12.2026" of the source column; empty when it names none.
std::string StandNamed(const std::string& source) {
  for (const char* word : {"tzdata ", "Stand "}) {
    size_t at = source.find(word);
    if (at == std::string::npos) continue;
    size_t start = at + std::string(word).size();
    size_t end = source.find_first_of(" /;,", start);
    return source.substr(at, end == std::string::npos ? std::string::npos : end - at);
  }
  return "";
}

void StoreZone(UnitRecord& r, const SourceUnit& u, int lineNo) {
  if (!u.check.empty() && !IsSafeZoneName(u.check))
    throw SourceError(lineNo, "check", "kein Name einer Zeitzone: \"" + u.check + "\"");
  StoreText(r.spare_text_1, u.check, lineNo, "check", true);
  StoreText(r.spare_text_2, StandNamed(u.source), lineNo, "source", true);
}

SourceUnit ParseLine(const std::string& line, int lineNo, bool world_time) {
  std::vector<std::string> f = SplitFields(line, lineNo);
  if (f.size() < kMinFields || f.size() > kMinFields + 1)
    throw SourceError(lineNo, f.size() < kMinFields ? kFieldNames[f.size()] : "raw",
                      std::to_string(kMinFields) + " Felder erwartet, " + std::to_string(f.size()) +
                          " gefunden");
  SourceUnit u;
  u.line = lineNo;
  u.check = f[9];
  u.source = f[10];
  if (f.size() == kMinFields + 1) {
    if (f[11].rfind("raw=", 0) != 0) throw SourceError(lineNo, "raw", "\"raw=\" erwartet");
    u.record = FromHex(f[11].substr(4), lineNo);
    return u;
  }
  UnitRecord& r = u.record;
  r = BlankRecord();
  r.visible = static_cast<uint8_t>(ParseWhole(f[0], lineNo, "visible", 0, 255));
  int origin = static_cast<int>(ParseWhole(f[1], lineNo, "origin", 1, kOriginCount));
  if (OriginName(origin)[0] == '\0')
    throw SourceError(lineNo, "origin", "Herkunft " + std::to_string(origin) + " ist nicht vergeben");
  r.origin = static_cast<uint8_t>(origin);
  StoreText(r.symbol, f[2], lineNo, "symbol", true);
  StoreText(r.name, f[3], lineNo, "name", false);
  auto factor = EvaluateFactor(f[4]);
  if (!factor || !std::isfinite(*factor))
    throw SourceError(lineNo, "factor", "Faktor nicht lesbar: \"" + f[4] + "\"");
  if (!FitsReal48(*factor))
    throw SourceError(lineNo, "factor", "Faktor außerhalb des speicherbaren Bereichs: \"" + f[4] + "\"");
  r.SetFactor(*factor);
  if (*factor != 0 && r.Factor() == 0)
    throw SourceError(lineNo, "factor", "Faktor zu klein, er würde als 0 gespeichert: \"" + f[4] + "\"");
  StoreText(r.other_name, f[5], lineNo, "other_name", true);
  StoreText(r.validity, f[6], lineNo, "validity", true);
  StoreText(r.field_of_use, f[7], lineNo, "field_of_use", true);
  StoreText(r.approx_value, f[8], lineNo, "approx_value", true);
  if (world_time) StoreZone(r, u, lineNo);
  return u;
}

}  // namespace

std::optional<long double> EvaluateFactor(const std::string& text) {
  if (text.empty()) return std::nullopt;
  return Expression(text).Evaluate();
}

std::vector<SourceUnit> ParseSource(const std::string& text, bool world_time) {
  std::vector<SourceUnit> units;
  int lineNo = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    std::string line = text.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
    pos = end == std::string::npos ? text.size() : end + 1;
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') continue;
    units.push_back(ParseLine(line, lineNo, world_time));
  }
  return units;
}

std::string FactorText(const UnitRecord& record) {
  long double v = record.Factor();
  char buf[64];
  for (int precision = 1; precision <= 21; ++precision) {
    std::snprintf(buf, sizeof buf, "%.*Lg", precision, v);
    UnitRecord probe = record;
    auto back = EvaluateFactor(buf);
    if (back && FitsReal48(*back)) {
      probe.SetFactor(*back);
      if (std::memcmp(probe.factor, record.factor, 6) == 0) break;
    }
  }
  return buf;
}

std::string FormatLine(const UnitRecord& r, const std::string& check, bool world_time) {
  std::string zone = world_time ? Cp1252ToUtf8(ZoneNameOf(r)) : check;
  std::string stand = world_time ? Quote(Cp1252ToUtf8(ZoneStandOf(r))) : "";
  std::string line = std::to_string(r.visible) + " | " + std::to_string(r.origin) + " | " +
                     FieldSource(r.symbol) + " | " + Quote(Cp1252ToUtf8(FieldText(r.name))) + " | " +
                     FactorText(r) + " | " + FieldSource(r.other_name) + " | " +
                     FieldSource(r.validity) + " | " + FieldSource(r.field_of_use) + " | " +
                     FieldSource(r.approx_value) + " | " + Quote(zone) + " | " + stand;
  // Records the fields cannot express exactly carry their bytes.
  try {
    std::vector<SourceUnit> back = ParseSource(line, world_time);
    if (back.size() == 1 && std::memcmp(&back[0].record, &r, sizeof r) == 0) return line;
  } catch (const SourceError&) {
  }
  return line + " | raw=" + Hex(r);
}

}  // namespace mensurio::datasource
