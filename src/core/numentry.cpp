#include "numentry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "real48.h"

namespace mensurio {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A cursor over the text that knows the 1-based position of a misfit.
struct Scanner {
  std::string_view text;
  size_t at = 0;

  bool AtEnd() const { return at >= text.size(); }
  char Peek() const { return AtEnd() ? '\0' : text[at]; }
  bool Take(char c) {
    if (AtEnd() || text[at] != c) return false;
    ++at;
    return true;
  }
  bool TakeOneOf(const char* set) {
    for (const char* p = set; *p; ++p)
      if (Take(*p)) return true;
    return false;
  }
  std::string_view Digits() {
    size_t from = at;
    while (!AtEnd() && IsDigit(text[at])) ++at;
    return text.substr(from, at - from);
  }
  int Position() const { return static_cast<int>(at) + 1; }
};

// The exponent digits as a number, held far beyond any meaningful exponent
// but short of overflowing the arithmetic that follows.
int64_t ExponentValue(std::string_view digits) {
  constexpr int64_t kLimit = int64_t{1} << 40;
  int64_t e = 0;
  for (char c : digits) e = std::min(kLimit, e * 10 + (c - '0'));
  return e;
}

// The value of digits * 10^exponent, correctly rounded to double.
double ScaledValue(bool negative, std::string_view digits, int64_t exponent) {
  std::string text = negative ? "-" : "";
  text += digits.empty() ? std::string_view("0") : digits;
  text += 'e';
  text += std::to_string(exponent);
  return std::strtod(text.c_str(), nullptr);
}

}  // namespace

std::string ReplaceChar(std::string_view text, char from, char to) {
  std::string out(text);
  for (char& c : out)
    if (c == from) c = to;
  return out;
}

NumberRead ReadNumber(std::string_view text) {
  Scanner s{text};
  NumberRead result;
  while (s.Take(' ')) {
  }
  bool negative = s.Peek() == '-';
  s.TakeOneOf("+-");
  if (s.AtEnd()) return {0, s.Position(), false};
  std::string digits(s.Digits());
  size_t fraction_digits = 0;
  if (s.Take('.')) {
    if (s.AtEnd()) return {0, s.Position(), false};
    std::string_view fraction = s.Digits();
    digits += fraction;
    fraction_digits = fraction.size();
  }
  int64_t exponent = 0;
  if (s.TakeOneOf("Ee")) {
    bool negative_exponent = s.Peek() == '-';
    s.TakeOneOf("+-");
    std::string_view e = s.Digits();
    if (e.empty()) return {0, s.Position(), false};
    exponent = negative_exponent ? -ExponentValue(e) : ExponentValue(e);
  }
  if (!s.AtEnd()) return {0, s.Position(), false};
  result.value = ScaledValue(negative, digits, exponent - static_cast<int64_t>(fraction_digits));
  result.overflow = std::isinf(result.value);
  return result;
}

std::optional<int32_t> ReadWholeNumber(std::string_view text) {
  Scanner s{text};
  while (s.Take(' ')) {
  }
  int base = s.Take('$') ? 16 : 10;
  bool negative = base == 10 && s.Peek() == '-';
  if (base == 10) s.TakeOneOf("+-");
  int64_t value = 0;
  size_t count = 0;
  for (; !s.AtEnd(); ++s.at, ++count) {
    char c = s.Peek();
    int digit = IsDigit(c)                             ? c - '0'
                : (base == 16 && c >= 'A' && c <= 'F') ? c - 'A' + 10
                : (base == 16 && c >= 'a' && c <= 'f') ? c - 'a' + 10
                                                       : -1;
    if (digit < 0) return std::nullopt;
    value = value * base + digit;
    if (value > int64_t{std::numeric_limits<int32_t>::max()} + 1) return std::nullopt;
  }
  if (count == 0) return std::nullopt;
  if (negative) value = -value;
  if (value > std::numeric_limits<int32_t>::max()) return std::nullopt;
  return static_cast<int32_t>(value);
}

std::optional<long double> ReadFactorText(std::string_view text) {
  NumberRead read = ReadNumber(ReplaceChar(text, ',', '.'));
  if (read.error_position != 0 || read.overflow || !FitsReal48(read.value)) return std::nullopt;
  return read.value;
}

}  // namespace mensurio
