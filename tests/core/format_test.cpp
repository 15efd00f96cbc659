#include "format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

#include "unitrecord.h"

namespace mensurio {
namespace {

struct ResultCase {
  double value;
  const char* scientific;
  const char* floating;
};

void ExpectResultTexts(const ResultCase& c) {
  TAusgabetextobject entry;
  entry.scientific_text = "old";
  entry.float_text = "old";
  MakeResultTexts(entry, c.value);
  EXPECT_EQ(entry.scientific_text, c.scientific) << c.value;
  EXPECT_EQ(entry.float_text, c.floating) << c.value;
}

TEST(MakeResultTexts, ExampleTable) {
  const ResultCase cases[] = {
      {1, " 1,000000E+0000", "  1,0000000000"},
      {0.3048, " 3,048000E-0001", "  0,3048000000"},
      {1609.344, " 1,609344E+0003", "  1609,3440000"},
      {-2.5, "-2,500000E+0000", " -2,5000000000"},
      {-40, "-4,000000E+0001", " -40,000000000"},
      {99999999.5, " 1,000000E+0008", "  99999999,500"},
      {12345678901, " 1,234568E+0010", "   12345678901"},
      {9.9e12, " 9,900000E+0012", " 9900000000000"},
      {1e13, " 1,000000E+0013", " 1,000000E+0013"},
      {1e-12, " 1,000000E-0012", " 1,000000E-0012"},
      {0, " 0,000000E+0000", " 0,000000E+0000"},
  };
  for (const ResultCase& c : cases) ExpectResultTexts(c);
}

TEST(MakeResultTexts, BoundsOfTheFixedRange) {
  const ResultCase cases[] = {
      {9.9e12, " 9,900000E+0012", " 9900000000000"},
      {-9.9e12, "-9,900000E+0012", "-9900000000000"},
      {std::nextafter(9.9e12, 1e300), " 9,900000E+0012", " 9,900000E+0012"},
      {std::nextafter(-9.9e12, -1e300), "-9,900000E+0012", "-9,900000E+0012"},
      {std::nextafter(9.9e12, 0.0), " 9,900000E+0012", " 9900000000000"},  // ...999,998 rounds up
      {5e-11, " 5,000000E-0011", "  0,0000000001"},
      {-5e-11, "-5,000000E-0011", " -0,0000000001"},
      {std::nextafter(5e-11, 0.0), " 5,000000E-0011", " 5,000000E-0011"},
      {-0.0, " 0,000000E+0000", " 0,000000E+0000"},
  };
  for (const ResultCase& c : cases) ExpectResultTexts(c);
}

TEST(MakeResultTexts, DecimalsFollowTheSixByteReal) {
  const ResultCase cases[] = {
      {9.99999999999999, " 1,000000E+0001", "  10,000000000"},
      {9.9999999, " 1,000000E+0001", "  9,9999999000"},
      {9999999999.995, " 1,000000E+0010", "   10000000000"},
      {9999999999.9, " 1,000000E+0010", "  9999999999,9"},
      {123.456, " 1,234560E+0002", "  123,45600000"},
      {-0.000123, "-1,230000E-0004", " -0,0001230000"},
  };
  for (const ResultCase& c : cases) ExpectResultTexts(c);
}

// Doubles written near a decimal half lie just below or just above it; the
// exact binary value decides.
TEST(MakeResultTexts, HalvesAwayFromZeroOnTheExactValue) {
  const ResultCase cases[] = {
      {1.0000005, " 1,000001E+0000", "  1,0000005000"},  // just above the half
      {1.0000015, " 1,000001E+0000", "  1,0000015000"},  // just below
      {9.9999995, " 9,999999E+0000", "  9,9999995000"},  // just below: no carry
      {1.2265625, " 1,226563E+0000", "  1,2265625000"},  // exact half (157/128): away from zero
      {-1.2265625, "-1,226563E+0000", " -1,2265625000"},
      {12345665, " 1,234567E+0007", "  12345665,000"},   // exact half, odd neighbour
      {99999995, " 1,000000E+0008", "  99999995,000"},   // exact half carrying into the exponent
      {1.5e-10, " 1,500000E-0010", "  0,0000000001"},    // just below
      {2.5e-10, " 2,500000E-0010", "  0,0000000003"},    // just above
      {3.5e-10, " 3,500000E-0010", "  0,0000000003"},    // just below
      {0.12345678905, " 1,234568E-0001", "  0,1234567891"},
      {0.12345678915, " 1,234568E-0001", "  0,1234567891"},
      {12.3456789015, " 1,234568E+0001", "  12,345678901"},
      {12.3456789025, " 1,234568E+0001", "  12,345678902"},
      {1.0 / 2048, " 4,882813E-0004", "  0,0004882813"},  // 0.00048828125 exactly
      {-1.0 / 2048, "-4,882813E-0004", " -0,0004882813"},
      {10 + 1.0 / 1024, " 1,000098E+0001", "  10,000976563"},
      {12345678902.5, " 1,234568E+0010", "   12345678903"},
      {12345678901.5, " 1,234568E+0010", "   12345678902"},
  };
  for (const ResultCase& c : cases) ExpectResultTexts(c);
}

TEST(FormatScientific, ExtremesAndSigns) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      {0, " 0.000000E+0000"},
      {-0.0, " 0.000000E+0000"},
      {1e-300, " 1.000000E-0300"},
      {DBL_MAX, " 1.797693E+0308"},
      {-DBL_MAX, "-1.797693E+0308"},
      {std::numeric_limits<double>::denorm_min(), " 4.940656E-0324"},
      {DBL_MIN, " 2.225074E-0308"},
      {9.9999996, " 1.000000E+0001"},
      {-9.9999996, "-1.000000E+0001"},
      {999999.95, " 9.999999E+0005"},  // just below the half
      {0.1, " 1.000000E-0001"},
      {123456789, " 1.234568E+0008"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatScientific(c.value), c.text) << c.value;
    EXPECT_EQ(FormatScientific(c.value).size(), 15u);
  }
}

TEST(FormatFixed, RoundsAndPads) {
  struct Case {
    double value;
    int decimals;
    const char* text;
  };
  const Case cases[] = {
      {0.15, 1, "           0.1"},
      {0.25, 1, "           0.3"},
      {0.35, 1, "           0.3"},
      {0.45, 1, "           0.5"},
      {2.675, 2, "          2.67"},
      {1.005, 2, "          1.00"},
      {-0.125, 2, "         -0.13"},
      {0.5, 0, "             1"},
      {1.5, 0, "             2"},
      {2.5, 0, "             3"},
      {-2.5, 0, "            -3"},
      {0.4, 0, "             0"},
      {9.96, 1, "          10.0"},
      {999.9996, 3, "      1000.000"},
      {-0.0, 10, "  0.0000000000"},
      {0, 10, "  0.0000000000"},
      {123456789012345.0, 0, "123456789012345"},  // longer than 14: kept whole
      {1e20, 2, "100000000000000000000.00"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatFixed(c.value, c.decimals), c.text) << c.value << " " << c.decimals;
}

TEST(FloatDecimals, FollowsTheMagnitudeAfterRounding) {
  struct Case {
    double value;
    int decimals;
  };
  const Case cases[] = {
      {0, 10},
      {-0.0, 10},
      {1e-300, 10},
      {9.99, 10},
      {-9.99, 10},
      {9.99999999999999, 9},  // rounds to 10 in the 6-byte real
      {9.9999999999, 10},
      {10, 9},
      {-10, 9},
      {99.9999, 9},
      {100, 8},
      {1000, 7},
      {10000, 6},
      {100000, 5},
      {1000000, 4},
      {10000000, 3},
      {99999999.5, 3},
      {100000000, 2},
      {999999999, 2},
      {1000000000, 1},
      {9999999999.9, 1},
      {9999999999.995, 0},
      {1e10, 0},
      {1e300, 0},  // beyond the 6-byte real
      {-DBL_MAX, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(FloatDecimals(c.value), c.decimals) << c.value;
}

TEST(FormatFactorText, WidthsOfTheDialogs) {
  struct Case {
    long double value;
    int width;
    const char* text;
  };
  const Case cases[] = {
      {1.95583L, 13, " 1,9558E+0000"},
      {1.95583L, 17, " 1,95583000E+0000"},
      {0.3048L, 17, " 3,04800000E-0001"},
      {0.3048L, 13, " 3,0480E-0001"},
      {0, 13, " 0,0000E+0000"},
      {0, 17, " 0,00000000E+0000"},
      {-1.5L, 13, "-1,5000E+0000"},
      {9.99996L, 13, " 1,0000E+0001"},
      {1.03125L, 13, " 1,0313E+0000"},  // 33/32: an exact half
      {1609.344L, 17, " 1,60934400E+0003"},
      {1e-38L, 13, " 1,0000E-0038"},
      {1.7e38L, 17, " 1,70000000E+0038"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatFactorText(c.value, c.width), c.text) << static_cast<double>(c.value);
}

TEST(FormatFactorText, StoredFactorsShowTheirDecimalDigits) {
  // The 6-byte real does not hold 1.95583 exactly; its text still shows it.
  UnitRecord r = BlankRecord();
  r.SetFactor(1.95583L);
  EXPECT_EQ(FormatFactorText(r.Factor(), 13), " 1,9558E+0000");
  EXPECT_EQ(FormatFactorText(r.Factor(), 17), " 1,95583000E+0000");
  r.SetFactor(0.3048L);
  EXPECT_EQ(FormatFactorText(r.Factor(), 17), " 3,04800000E-0001");
}

TEST(WorldTimeMinutesText, WholeMinutesHalvesToEven) {
  struct Case {
    long double hours;
    const char* text;
  };
  const Case cases[] = {
      {5.5L, "330"},
      {-5, "-300"},
      {0, "0"},
      {-0.0L, "0"},
      {1, "60"},
      {0.125L, "8"},     // 7.5 minutes
      {0.375L, "22"},    // 22.5 minutes
      {-0.125L, "-8"},
      {-0.375L, "-22"},
      {-12, "-720"},
  };
  for (const Case& c : cases) EXPECT_EQ(WorldTimeMinutesText(c.hours), c.text) << static_cast<double>(c.hours);
  UnitRecord r = BlankRecord();
  r.SetFactor(5.51L);
  EXPECT_EQ(WorldTimeMinutesText(r.Factor()), "331");
  r.SetFactor(331.0L / 60);
  EXPECT_EQ(WorldTimeMinutesText(r.Factor()), "331");
}

}  // namespace
}  // namespace mensurio
