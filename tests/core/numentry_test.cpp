#include "numentry.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace mensurio {
namespace {

// The value entry as the conversions read it: commas become points first.
NumberRead ReadEntryText(const std::string& text) { return ReadNumber(ReplaceChar(text, ',', '.')); }

TEST(ReplaceChar, ReplacesEveryOccurrenceOnly) {
  struct Case {
    const char* text;
    char from, to;
    const char* expected;
  };
  const Case cases[] = {
      {"1,5", ',', '.', "1.5"},
      {"1,000,5", ',', '.', "1.000.5"},
      {",,", ',', '.', ".."},
      {"1.5", ',', '.', "1.5"},
      {"", ',', '.', ""},
      {" 3.048000E-0001", '.', ',', " 3,048000E-0001"},
  };
  for (const Case& c : cases) EXPECT_EQ(ReplaceChar(c.text, c.from, c.to), c.expected) << c.text;
}

struct AcceptedCase {
  const char* text;
  double value;
};

TEST(ReadNumber, AcceptsTheEntryGrammar) {
  const AcceptedCase cases[] = {
      {"1,5", 1.5},
      {"1.5", 1.5},
      {"1,5E3", 1500},
      {"+,5", 0.5},
      {"   7", 7},
      {".5", 0.5},
      {"1.e3", 1000},
      {"E5", 0},
      {"-5", -5},
      {"-2,5", -2.5},
      {"1e-3", 0.001},
      {"2E+2", 200},
      {"0,3048", 0.3048},
      {"1609,344", 1609.344},
      {"007", 7},
      {".e5", 0},
      {"1.5e0", 1.5},
      {"123456789012345678901234567890", 123456789012345678901234567890.0},
      {"0.1", 0.1},
      {"9007199254740993", 9007199254740992.0},  // exact half between two doubles: to even
      {"9007199254740995", 9007199254740996.0},
      {"1.7976931348623157E308", DBL_MAX},
      {"5E-324", std::numeric_limits<double>::denorm_min()},
      {"1E-400", 0},  // below the smallest double: zero, no error
      {"0E99999999999999999999", 0},
      {"0.000000000000000000001E21", 1},
  };
  for (const AcceptedCase& c : cases) {
    NumberRead r = ReadEntryText(c.text);
    EXPECT_EQ(r.error_position, 0) << c.text;
    EXPECT_FALSE(r.overflow) << c.text;
    EXPECT_EQ(r.value, c.value) << c.text;
  }
}

TEST(ReadNumber, KeepsTheSignOfZero) {
  EXPECT_TRUE(std::signbit(ReadEntryText("-0").value));
  EXPECT_TRUE(std::signbit(ReadEntryText("-E5").value));
  EXPECT_FALSE(std::signbit(ReadEntryText("0,0").value));
}

struct RejectedCase {
  const char* text;
  int position;
};

TEST(ReadNumber, RejectsWithThePositionOfTheFirstMisfit) {
  const RejectedCase cases[] = {
      {"", 1},
      {" ", 2},
      {"   ", 4},
      {"-", 2},
      {"+", 2},
      {" +", 3},
      {"1,", 3},  // "1." with nothing after the point
      {"1.", 3},
      {".", 2},
      {",", 2},
      {"1 ", 2},
      {"1 000", 2},
      {"1,000.5", 6},
      {"1,000,5", 6},
      {"1.2.3", 4},
      {"1E", 3},
      {"1E+", 4},
      {"1Ex", 3},
      {"1E+x", 4},
      {"1.E", 4},
      {"E", 2},
      {"x", 1},
      {"--1", 2},
      {"1-", 2},
      {"12a", 3},
      {"1.5x", 4},
      {"1e5.5", 4},
      {"1e5 ", 4},
      {"$10", 1},
      {"\t1", 1},
      {"1:00", 2},
  };
  for (const RejectedCase& c : cases) EXPECT_EQ(ReadEntryText(c.text).error_position, c.position) << '"' << c.text << '"';
}

TEST(ReadNumber, ReportsValuesBeyondDouble) {
  for (const char* text : {"1E400", "-1E400", "1.7976931348623159E308", "1E99999999999999999999",
                           "100000000000000000000E300"}) {
    NumberRead r = ReadEntryText(text);
    EXPECT_EQ(r.error_position, 0) << text;
    EXPECT_TRUE(r.overflow) << text;
  }
  EXPECT_FALSE(ReadEntryText("1E308").overflow);
  EXPECT_FALSE(ReadEntryText("1E-99999999999999999999").overflow);
}

TEST(ReadWholeNumber, ReadsDecimalAndHexadecimal) {
  struct Case {
    const char* text;
    int32_t value;
  };
  const Case cases[] = {
      {"12", 12},
      {" 9", 9},
      {"   05", 5},
      {"+5", 5},
      {"-1", -1},
      {"-0", 0},
      {"0075", 75},
      {"$1F", 31},
      {"$ff", 255},
      {" $0a", 10},
      {"2147483647", INT32_MAX},
      {"-2147483648", INT32_MIN},
      {"$7FFFFFFF", INT32_MAX},
      {"1440", 1440},
  };
  for (const Case& c : cases) {
    std::optional<int32_t> v = ReadWholeNumber(c.text);
    ASSERT_TRUE(v.has_value()) << c.text;
    EXPECT_EQ(*v, c.value) << c.text;
  }
}

TEST(ReadWholeNumber, RejectsEverythingElse) {
  for (const char* text : {"", " ", "+", "-", "$", " $", "2147483648", "-2147483649", "$80000000",
                           "$FFFFFFFF", "99999999999999999999", "1 ", "1x", "-$10", "$G", "3.0", "+-1",
                           "1e3", "12:30", "\t1", "0x10"}) {
    EXPECT_FALSE(ReadWholeNumber(text).has_value()) << '"' << text << '"';
  }
}

TEST(ReadFactorText, ReadsCommaOrPointWithinTheStoredRange) {
  struct Case {
    const char* text;
    long double value;
  };
  const Case cases[] = {
      {"0,3048", 0.3048},
      {"0.3048", 0.3048},
      {" 1,9558E+0000", 1.9558},
      {"-90", -90},
      {"0", 0},
      {"-1,5", -1.5},
      {"1E38", 1e38},
      {"1,70141183E38", 1.70141183e38},
      {"1E-45", 1e-45},  // stored as 0 later, but accepted
  };
  for (const Case& c : cases) {
    std::optional<long double> v = ReadFactorText(c.text);
    ASSERT_TRUE(v.has_value()) << c.text;
    EXPECT_EQ(*v, c.value) << c.text;
  }
}

TEST(ReadFactorText, RefusesUnreadableAndUnstorableValues) {
  // 2^127 and anything that rounds to it need a ninth exponent bit.
  for (const char* text : {"", "   ", "1,", "abc", "1 000", "1E39", "-1E39", "1,7014118346046923E38", "1E400",
                           "1E308"}) {
    EXPECT_FALSE(ReadFactorText(text).has_value()) << '"' << text << '"';
  }
}

}  // namespace
}  // namespace mensurio
