#include "helptext.h"

#include <algorithm>
#include <array>
#include <string>

namespace mensurio {
namespace {

bool IsNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == ':';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

// Elements without an end tag, or whose end tag may be left out: they do
// not nest in the count.
bool Nests(const std::string& tag) {
  static constexpr std::array<std::string_view, 27> kFlat = {
      "br", "img", "hr", "meta", "link", "input", "col", "area", "base", "wbr", "param", "source", "embed", "p",
      "li", "dt", "dd", "tr", "td", "th", "thead", "tbody", "tfoot", "option", "colgroup", "html", "body"};
  return !tag.empty() && tag != "head" && std::find(kFlat.begin(), kFlat.end(), tag) == kFlat.end();
}

bool IsSizeAttribute(const std::string& name) {
  static constexpr std::array<std::string_view, 9> kSizes = {"width",  "height",      "colspan",     "rowspan", "size",
                                                             "border", "cellpadding", "cellspacing", "style"};
  return std::find(kSizes.begin(), kSizes.end(), name) != kSizes.end();
}

bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// Whether the digits at value[i] belong to a colour such as #ff0000.
bool InColour(std::string_view value, size_t i) {
  while (i > 0 && IsHexDigit(value[i - 1])) --i;
  return i > 0 && value[i - 1] == '#';
}

// Every run of digits of the value (colours apart) is at most the limit.
bool NumbersWithinLimit(std::string_view value) {
  for (size_t i = 0; i < value.size();) {
    if (!IsDigit(value[i])) {
      ++i;
      continue;
    }
    long n = 0;
    size_t j = i;
    for (; j < value.size() && IsDigit(value[j]); ++j) n = std::min(n * 10 + (value[j] - '0'), kMaxHelpSizeNumber + 1);
    if (n > kMaxHelpSizeNumber && !InColour(value, i)) return false;
    i = j;
  }
  return true;
}

// Reads the tag that starts at html[pos] == '<' and returns the position
// behind it; fills the lower-case name, whether it closes, and whether a
// size attribute holds a number above the limit.
size_t ReadTag(std::string_view html, size_t pos, std::string& name, bool& closing, bool& oversized) {
  size_t i = pos + 1;
  closing = i < html.size() && html[i] == '/';
  if (closing) ++i;
  size_t start = i;
  while (i < html.size() && IsNameChar(html[i])) ++i;
  name = Lower(html.substr(start, i - start));
  oversized = false;
  while (i < html.size() && html[i] != '>') {
    if (!IsNameChar(html[i])) {
      ++i;
      continue;
    }
    size_t a = i;
    while (i < html.size() && IsNameChar(html[i])) ++i;
    std::string attribute = Lower(html.substr(a, i - a));
    while (i < html.size() && html[i] == ' ') ++i;
    if (i >= html.size() || html[i] != '=') continue;
    ++i;
    while (i < html.size() && html[i] == ' ') ++i;
    size_t v = i, end;
    if (i < html.size() && (html[i] == '"' || html[i] == '\'')) {
      char quote = html[i];
      v = i + 1;
      end = html.find(quote, v);
      if (end == std::string_view::npos) end = html.size();
      i = std::min(end + 1, html.size());
    } else {
      while (i < html.size() && html[i] != '>' && html[i] != ' ') ++i;
      end = i;
    }
    if (IsSizeAttribute(attribute) && !NumbersWithinLimit(html.substr(v, end - v))) oversized = true;
  }
  return std::min(i + 1, html.size());
}

}  // namespace

HelpTextVerdict CheckHelpText(std::string_view html) {
  if (html.size() > kMaxHelpTextBytes) return HelpTextVerdict::TooLarge;
  int depth = 0, table_depth = 0, tables = 0, cells = 0;
  std::string name;
  for (size_t i = html.find('<'); i != std::string_view::npos; i = html.find('<', i)) {
    if (html.substr(i, 4) == "<!--") {
      size_t end = html.find("-->", i + 4);
      if (end == std::string_view::npos) break;
      i = end + 3;
      continue;
    }
    bool closing = false, oversized = false;
    i = ReadTag(html, i, name, closing, oversized);
    if (oversized) return HelpTextVerdict::TooLargeSize;
    if (name == "table") table_depth = closing ? std::max(table_depth - 1, 0) : table_depth + 1;
    if (!closing && name == "table" && (table_depth > kMaxHelpTableNesting || ++tables > kMaxHelpTables))
      return table_depth > kMaxHelpTableNesting ? HelpTextVerdict::TooDeep : HelpTextVerdict::TooManyTables;
    if (!closing && (name == "td" || name == "th") && ++cells > kMaxHelpCells) return HelpTextVerdict::TooManyTables;
    if (!Nests(name)) continue;
    depth = closing ? std::max(depth - 1, 0) : depth + 1;
    if (depth > kMaxHelpNesting) return HelpTextVerdict::TooDeep;
  }
  return HelpTextVerdict::Fine;
}

const char* HelpTextRefusal(HelpTextVerdict verdict) {
  switch (verdict) {
    case HelpTextVerdict::Fine: return "";
    case HelpTextVerdict::TooLarge: return "sie ist zu groß";
    case HelpTextVerdict::TooDeep: return "sie ist zu tief verschachtelt";
    case HelpTextVerdict::TooManyTables: return "sie enthält zu viele Tabellen oder Tabellenzellen";
    case HelpTextVerdict::TooLargeSize: return "sie verlangt eine zu große Abmessung";
  }
  return "";
}

}  // namespace mensurio
