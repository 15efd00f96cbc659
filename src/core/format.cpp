#include "format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "numentry.h"
#include "real48.h"

namespace mensurio {

namespace {

// Decimal rounding, halves away from zero, on the exact binary value.
//
// std::to_chars writes the exact digits of a binary value when asked for
// enough of them, but rounds half to even. So the digits are first written
// with kGuard digits more than needed: unless those guard digits read exactly
// "5000...0" they decide the rounding on their own (the written guard digits
// lie within half a unit of their last place of the exact ones, which cannot
// cross a half that is not itself shown). Only in that case the value is
// written again with all its digits, which are then exact.
constexpr int kGuard = 24;

// Upper bound of the number of decimals in the exact expansion of |a|
// (its fractional binary digits) and of the digits of its integer part.
template <class F>
int ExactFractionDigits(F a) {
  int e = 0;
  std::frexp(a, &e);
  int bits = std::numeric_limits<F>::digits;
  return e >= bits ? 1 : bits - e + 1;
}

template <class F>
int IntegerDigits(F a) {
  int e = 0;
  std::frexp(a, &e);
  return e <= 0 ? 1 : e * 30103 / 100000 + 2;
}

template <class F>
std::string WriteChars(F a, std::chars_format format, int precision) {
  std::string buffer(static_cast<size_t>(precision + IntegerDigits(a) + 32), '\0');
  auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), a, format, precision);
  if (ec != std::errc()) return "0";
  buffer.resize(static_cast<size_t>(end - buffer.data()));
  return buffer;
}

// -1, 0, +1: the rest of the digits against exactly one half of a unit of
// the last kept place.
int CompareWithHalf(const std::string& rest) {
  if (rest.empty()) return -1;
  if (rest[0] != '5') return rest[0] < '5' ? -1 : 1;
  for (size_t i = 1; i < rest.size(); ++i)
    if (rest[i] != '0') return 1;
  return 0;
}

// Adds one to the last digit; true when a carry comes out of the first.
bool Increment(std::string& digits) {
  for (size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return false;
    }
    digits[i] = '0';
  }
  return true;
}

struct Significant {
  std::string digits;  // `count` digits, d1.d2d3... × 10^exponent
  int exponent = 0;
};

// Splits "d.ddde+XX" into its digits and exponent.
Significant ParseScientific(const std::string& text) {
  Significant s;
  size_t e = text.find('e');
  for (size_t i = 0; i < e; ++i)
    if (text[i] != '.') s.digits += text[i];
  s.exponent = std::stoi(text.substr(e + 1));
  return s;
}

// |a| to `count` significant digits, halves away from zero.
template <class F>
Significant RoundSignificant(F a, int count) {
  Significant s;
  if (a == 0) {
    s.digits.assign(static_cast<size_t>(count), '0');
    return s;
  }
  Significant w = ParseScientific(WriteChars(a, std::chars_format::scientific, count - 1 + kGuard));
  int half = CompareWithHalf(w.digits.substr(static_cast<size_t>(count)));
  if (half == 0) {
    int exact = ExactFractionDigits(a) + IntegerDigits(a);
    w = ParseScientific(WriteChars(a, std::chars_format::scientific, std::max(exact, count + kGuard)));
    half = CompareWithHalf(w.digits.substr(static_cast<size_t>(count)));
  }
  s.digits = w.digits.substr(0, static_cast<size_t>(count));
  s.exponent = w.exponent;
  if (half >= 0 && Increment(s.digits)) {
    s.digits = "1" + s.digits.substr(1);  // 9.99..→10.00..: 1.000.. one exponent higher
    ++s.exponent;
  }
  return s;
}

// |a| with `decimals` decimals, halves away from zero: "123.45".
template <class F>
std::string RoundFixed(F a, int decimals) {
  std::string text = WriteChars(a, std::chars_format::fixed, decimals + kGuard);
  size_t point = text.find('.');
  std::string rest = text.substr(point + 1 + static_cast<size_t>(decimals));
  int half = CompareWithHalf(rest);
  if (half == 0) {
    text = WriteChars(a, std::chars_format::fixed, std::max(ExactFractionDigits(a), decimals + kGuard));
    point = text.find('.');
    half = CompareWithHalf(text.substr(point + 1 + static_cast<size_t>(decimals)));
  }
  std::string whole = text.substr(0, point);
  std::string digits = whole + text.substr(point + 1, static_cast<size_t>(decimals));
  if (half >= 0 && Increment(digits)) digits = "1" + digits;
  size_t integer_length = digits.size() - static_cast<size_t>(decimals);
  std::string out = digits.substr(0, integer_length);
  if (decimals > 0) out += "." + digits.substr(integer_length);
  return out;
}

// Sign or blank, one digit, ".", width-9 digits, "E", exponent sign, four
// exponent digits: width-8 significant digits.
template <class F>
std::string ScientificOfWidth(F v, int width) {
  int count = width - 8;
  std::string out(1, v < 0 ? '-' : ' ');
  if (!std::isfinite(v)) return out + (std::isnan(v) ? "NAN" : "INF");
  Significant s = RoundSignificant(std::fabs(v), count);
  out += s.digits[0];
  out += '.';
  out += s.digits.substr(1);
  out += 'E';
  out += s.exponent < 0 ? '-' : '+';
  std::string exponent = std::to_string(s.exponent < 0 ? -s.exponent : s.exponent);
  if (exponent.size() < 4) exponent.insert(0, 4 - exponent.size(), '0');
  return out + exponent;
}

std::string CutTo15(std::string text) {
  if (text.size() > 15) text.resize(15);
  return text;
}

}  // namespace

int FloatDecimals(double v) {
  // 10^10 is exact in the 6-byte real, so anything from there on keeps 0
  // decimals whatever the rounding; this also keeps values beyond the range
  // of the 6-byte real away from it.
  if (!(std::fabs(v) < 1e10)) return 0;
  double a = std::fabs(RoundToReal48(v));
  int decimals = 10;
  for (double limit = 10; decimals > 0 && a >= limit; limit *= 10) --decimals;
  return decimals;
}

std::string FormatScientific(double v) { return ScientificOfWidth(v, 15); }

std::string FormatFixed(double v, int decimals) {
  if (decimals < 0) decimals = 0;
  std::string out = v < 0 ? "-" : "";
  if (!std::isfinite(v))
    out += std::isnan(v) ? "NAN" : "INF";
  else
    out += RoundFixed(std::fabs(v), decimals);
  if (out.size() < 14) out.insert(0, 14 - out.size(), ' ');
  return out;
}

void MakeResultTexts(TAusgabetextobject& entry, double r) {
  std::string scientific = FormatScientific(r);
  double a = std::fabs(r);
  std::string floating = (a > 9.9e12 || a < 5e-11) ? scientific : FormatFixed(r, FloatDecimals(r));
  entry.scientific_text = CutTo15(ReplaceChar(scientific, '.', ','));
  entry.float_text = CutTo15(ReplaceChar(floating, '.', ','));
}

std::string FormatFactorText(long double v, int width) {
  return ReplaceChar(ScientificOfWidth(v, width), '.', ',');
}

std::string FormatSignificant(long double v, int count) {
  Significant s = RoundSignificant(std::fabs(v), count);
  if (s.exponent >= count - 1) return s.digits + std::string(static_cast<size_t>(s.exponent - (count - 1)), '0');
  if (s.exponent >= 0)
    return s.digits.substr(0, static_cast<size_t>(s.exponent) + 1) + "." +
           s.digits.substr(static_cast<size_t>(s.exponent) + 1);
  return "0." + std::string(static_cast<size_t>(-s.exponent - 1), '0') + s.digits;
}

long double RoundHalfEven(long double x) {
  if (!std::isfinite(x)) return x;
  long double f = std::floor(x);
  long double rest = x - f;
  if (rest > 0.5L || (rest == 0.5L && std::fmod(f, 2.0L) != 0)) f += 1;
  return f;
}

long double WorldTimeMinutes(long double hours) { return RoundHalfEven(hours * 60.0L); }

std::string WorldTimeMinutesText(long double hours) {
  long double minutes = WorldTimeMinutes(hours) + 0.0L;  // no "-0"
  if (!std::isfinite(minutes)) return "0";
  return WriteChars(minutes, std::chars_format::fixed, 0);
}

}  // namespace mensurio
