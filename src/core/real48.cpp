#include "real48.h"

#include <cmath>

namespace mensurio {

long double Real48ToExtended(const Real48& r) {
  if (r[0] == 0) return 0.0L;
  uint64_t fraction = 0;  // 39 bits
  for (int i = 5; i >= 1; --i) fraction = (fraction << 8) | r[i];
  bool negative = (fraction >> 39) & 1;
  fraction &= (uint64_t{1} << 39) - 1;
  uint64_t significand = (uint64_t{1} << 39) | fraction;  // 40 bits, exact in long double
  long double v = std::ldexp(static_cast<long double>(significand), int{r[0]} - 129 - 39);
  return negative ? -v : v;
}

namespace {

struct Split {
  uint64_t significand;  // 40 bits with the leading one, 0 for zero
  int exponent;          // biased, may lie outside 1..255
  bool negative;
};

// Rounds |v| to a 40-bit significand (half up on the magnitude).
Split SplitValue(long double v) {
  Split s{0, 0, std::signbit(v)};
  long double a = std::fabs(v);
  if (a == 0.0L || std::isnan(a)) return s;
  if (std::isinf(a)) { s.exponent = 1 << 20; s.significand = 1; return s; }
  int e = 0;
  long double m = std::frexp(a, &e);  // a = m * 2^e, 0.5 <= m < 1
  // 64-bit significand of the extended value, leading one at bit 63.
  uint64_t sig64 = static_cast<uint64_t>(std::ldexp(m, 64));
  uint64_t sig40 = sig64 >> 24;
  if ((sig64 >> 23) & 1) ++sig40;
  if (sig40 >> 40) { sig40 >>= 1; ++e; }
  s.significand = sig40;
  s.exponent = e - 1 + 129;  // a = 1.f * 2^(e-1)
  return s;
}

}  // namespace

bool FitsReal48(long double v) { return SplitValue(v).exponent <= 255; }

Real48 ExtendedToReal48(long double v) {
  Split s = SplitValue(v);
  if (s.exponent > 255) throw Real48Overflow();
  Real48 r{};
  if (s.significand == 0 || s.exponent <= 0) return r;
  uint64_t fraction = s.significand & ((uint64_t{1} << 39) - 1);
  if (s.negative) fraction |= uint64_t{1} << 39;
  r[0] = static_cast<uint8_t>(s.exponent);
  for (int i = 1; i <= 5; ++i) {
    r[i] = static_cast<uint8_t>(fraction & 0xFF);
    fraction >>= 8;
  }
  return r;
}

}  // namespace mensurio
