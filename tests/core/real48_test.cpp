#include "real48.h"

#include <gtest/gtest.h>

#include <cmath>

namespace mensurio {
namespace {

Real48 Bytes(uint8_t e, uint8_t b1, uint8_t b2, uint8_t b3, uint8_t b4, uint8_t b5) { return {e, b1, b2, b3, b4, b5}; }

struct ReadCase {
  Real48 bytes;
  long double value;
};

TEST(Real48, ReadsValues) {
  const ReadCase cases[] = {
      {Bytes(0, 0, 0, 0, 0, 0), 0.0L},
      {Bytes(0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF), 0.0L},  // exponent byte 0 rules
      {Bytes(129, 0, 0, 0, 0, 0), 1.0L},
      {Bytes(129, 0, 0, 0, 0, 0x80), -1.0L},
      {Bytes(130, 0, 0, 0, 0, 0x40), 3.0L},
      {Bytes(128, 0, 0, 0, 0, 0), 0.5L},
      {Bytes(1, 0, 0, 0, 0, 0), std::ldexp(1.0L, -128)},
      {Bytes(255, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F), std::ldexp(1.0L - std::ldexp(1.0L, -40), 127)},
  };
  for (const auto& c : cases) EXPECT_EQ(Real48ToExtended(c.bytes), c.value);
}

struct WriteCase {
  long double value;
  Real48 bytes;
};

TEST(Real48, WritesValues) {
  const WriteCase cases[] = {
      {0.0L, Bytes(0, 0, 0, 0, 0, 0)},
      {1.0L, Bytes(129, 0, 0, 0, 0, 0)},
      {-2.0L, Bytes(130, 0, 0, 0, 0, 0x80)},
      {std::ldexp(1.0L, -128), Bytes(1, 0, 0, 0, 0, 0)},
      {std::ldexp(1.0L, -129), Bytes(0, 0, 0, 0, 0, 0)},        // below the range: zero
      {-std::ldexp(1.0L, -140), Bytes(0, 0, 0, 0, 0, 0)},
      // 1 + 2^-40 is the half of the last place: rounds up.
      {1.0L + std::ldexp(1.0L, -40), Bytes(129, 1, 0, 0, 0, 0)},
      // just below the half rounds down
      {1.0L + std::ldexp(1.0L, -40) - std::ldexp(1.0L, -63), Bytes(129, 0, 0, 0, 0, 0)},
      // all 39 fraction bits set plus the half: carry into the exponent
      {2.0L - std::ldexp(1.0L, -40), Bytes(130, 0, 0, 0, 0, 0)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExtendedToReal48(c.value), c.bytes) << static_cast<double>(c.value);
  }
}

TEST(Real48, LargestValueAndOverflow) {
  long double largest = std::ldexp(1.0L - std::ldexp(1.0L, -40), 127);
  EXPECT_EQ(ExtendedToReal48(largest), Bytes(255, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F));
  EXPECT_TRUE(FitsReal48(largest));
  // 2^127 needs exponent byte 256.
  EXPECT_THROW(ExtendedToReal48(std::ldexp(1.0L, 127)), Real48Overflow);
  EXPECT_FALSE(FitsReal48(std::ldexp(1.0L, 127)));
  EXPECT_FALSE(FitsReal48(-1e39L));
  // A value that rounds up to 2^127 overflows too.
  EXPECT_THROW(ExtendedToReal48(std::ldexp(2.0L - std::ldexp(1.0L, -41), 126)), Real48Overflow);
  EXPECT_THROW(ExtendedToReal48(INFINITY), Real48Overflow);
}

TEST(Real48, RoundTripOfCommonFactors) {
  for (long double v : {0.3048L, 1609.344L, 1.95583L, -5.5L, 1e-30L, 1.7e38L, 4.1868L}) {
    long double back = Real48ToExtended(ExtendedToReal48(v));
    EXPECT_NEAR(static_cast<double>(back / v), 1.0, 1e-12);
    EXPECT_EQ(ExtendedToReal48(back), ExtendedToReal48(v));
  }
}

}  // namespace
}  // namespace mensurio
