#include "numentry.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

#include "real48.h"

namespace mensurio {

std::string ReplaceChar(std::string_view text, char from, char to) {
  std::string out(text);
  for (char& c : out)
    if (c == from) c = to;
  return out;
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The decimal exponent is kept within this bound while it is read; any
// exponent that large lies far beyond the range of double either way.
constexpr int64_t kExponentLimit = 1'000'000'000;

}  // namespace

NumberRead ReadNumber(std::string_view text) {
  NumberRead result;
  const size_t n = text.size();
  size_t i = 0;
  // Error at the 0-based index `at` (text.size() when the text ends early).
  auto fail = [&](size_t at) {
    result.error_position = static_cast<int>(at + 1);
    result.value = 0;
    return result;
  };

  while (i < n && text[i] == ' ') ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i >= n) return fail(i);

  std::string digits;  // integer and fraction digits as one whole number
  int64_t decimals = 0;
  while (i < n && IsDigit(text[i])) digits += text[i++];
  if (i < n && text[i] == '.') {
    ++i;
    if (i >= n) return fail(i);
    while (i < n && IsDigit(text[i])) {
      digits += text[i++];
      ++decimals;
    }
  }
  int64_t exponent = 0;
  if (i < n && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    bool exponent_negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
      exponent_negative = text[i] == '-';
      ++i;
    }
    if (i >= n) return fail(i);
    if (!IsDigit(text[i])) return fail(i);
    while (i < n && IsDigit(text[i])) {
      if (exponent < kExponentLimit) exponent = exponent * 10 + (text[i] - '0');
      ++i;
    }
    if (exponent_negative) exponent = -exponent;
  }
  if (i < n) return fail(i);

  // digits × 10^(exponent - decimals), rounded once to double.
  size_t first = digits.find_first_not_of('0');
  double magnitude = 0;
  if (first != std::string::npos) {
    std::string significant = digits.substr(first);
    int64_t scale = exponent - decimals;
    int64_t leading = scale + static_cast<int64_t>(significant.size()) - 1;  // exponent of the first digit
    if (leading > 400) {
      result.overflow = true;
    } else if (leading >= -400) {
      std::string number = significant + "e" + std::to_string(scale);
      auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), magnitude);
      (void)ptr;
      if (ec == std::errc::result_out_of_range) {
        if (leading > 0)
          result.overflow = true;
        else
          magnitude = 0;  // below the smallest double: zero, as the arithmetic gives
      }
    }
  }
  result.value = negative ? -magnitude : magnitude;
  if (result.overflow) result.value = 0;
  return result;
}

std::optional<int32_t> ReadWholeNumber(std::string_view text) {
  size_t i = 0;
  const size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;
  if (i >= n) return std::nullopt;
  int64_t value = 0;
  constexpr int64_t kBeyond = int64_t{1} << 32;  // stops the accumulation early
  if (text[i] == '$') {
    ++i;
    if (i >= n) return std::nullopt;
    for (; i < n; ++i) {
      char c = text[i];
      int digit;
      if (c >= '0' && c <= '9')
        digit = c - '0';
      else if (c >= 'A' && c <= 'F')
        digit = c - 'A' + 10;
      else if (c >= 'a' && c <= 'f')
        digit = c - 'a' + 10;
      else
        return std::nullopt;
      value = value * 16 + digit;
      if (value > kBeyond) value = kBeyond;
    }
    if (value > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(value);
  }
  bool negative = false;
  if (text[i] == '+' || text[i] == '-') {
    negative = text[i] == '-';
    ++i;
  }
  if (i >= n) return std::nullopt;
  for (; i < n; ++i) {
    if (!IsDigit(text[i])) return std::nullopt;
    value = value * 10 + (text[i] - '0');
    if (value > kBeyond) value = kBeyond;
  }
  if (negative) value = -value;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(value);
}

std::optional<long double> ReadFactorText(std::string_view text) {
  NumberRead read = ReadNumber(ReplaceChar(text, ',', '.'));
  if (read.error_position != 0 || read.overflow) return std::nullopt;
  long double v = read.value;
  if (!FitsReal48(v)) return std::nullopt;
  return v;
}

}  // namespace mensurio
