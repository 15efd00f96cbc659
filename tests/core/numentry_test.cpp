#include "numentry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace mensurio {
namespace {

TEST(ReplaceChar, ReplacesEveryOccurrence) {
  EXPECT_EQ(ReplaceChar("1,000,5", ',', '.'), "1.000.5");
  EXPECT_EQ(ReplaceChar("1.5", ',', '.'), "1.5");
  EXPECT_EQ(ReplaceChar("", ',', '.'), "");
  EXPECT_EQ(ReplaceChar(" 1.5E+0000", '.', ','), " 1,5E+0000");
}

TEST(ReadNumber, Accepted) {
  struct Case {
    const char* text;
    double value;
  };
  const Case cases[] = {
      {"1.5", 1.5},   {"1", 1},        {"   7", 7},
      {"+.5", 0.5},   {".5", 0.5},     {"-2.5", -2.5},
      {"1.e3", 1000}, {"1.5E3", 1500}, {"1.5e-3", 0.0015},
      {"E5", 0},      {"-E5", 0},      {"0.3048", 0.3048},
      {"1E-400", 0},  {"007", 7},      {"1.7976931348623157E308", 1.7976931348623157e308},
  };
  for (const Case& c : cases) {
    NumberRead r = ReadNumber(c.text);
    EXPECT_EQ(r.error_position, 0) << c.text;
    EXPECT_FALSE(r.overflow) << c.text;
    EXPECT_EQ(r.value, c.value) << c.text;
  }
}

TEST(ReadNumber, ValueIsTheNearestDouble) {
  EXPECT_EQ(ReadNumber("0.1").value, 0.1);
  EXPECT_EQ(ReadNumber("2.54").value, 2.54);
  EXPECT_EQ(ReadNumber("123456789012345678901234567890").value, 1.2345678901234568e29);
  EXPECT_EQ(ReadNumber("0.000000000000000000001E21").value, 1.0);
}

TEST(ReadNumber, RejectedAtThePositionOfTheMisfit) {
  struct Case {
    const char* text;
    int position;
  };
  const Case cases[] = {
      {"", 1},      {"   ", 4},     {"-", 2},     {"+", 2},    {".", 2},   {"1.", 3},  {"1 ", 2},
      {"1 000", 2}, {"1.000.5", 6}, {"1.2.3", 4}, {"1e", 3},   {"1E+", 4}, {"1Ex", 3}, {"abc", 1},
      {"1,5", 2},   {"--1", 2},     {" +-1", 3},  {"1.5m", 4}, {"\t1", 1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ReadNumber(c.text).error_position, c.position) << '"' << c.text << '"';
}

TEST(ReadNumber, BeyondDoubleIsAnOverflow) {
  NumberRead r = ReadNumber("1E400");
  EXPECT_EQ(r.error_position, 0);
  EXPECT_TRUE(r.overflow);
  EXPECT_TRUE(ReadNumber("-1E99999999999999999999").overflow);
  EXPECT_FALSE(ReadNumber("0E99999999999999999999").overflow);
}

TEST(ReadWholeNumber, Cases) {
  struct Case {
    const char* text;
    std::optional<int32_t> value;
  };
  const Case cases[] = {
      {"12", 12},
      {" 9", 9},
      {"+5", 5},
      {"-1", -1},
      {"05", 5},
      {"$1F", 31},
      {"$ff", 255},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"$7FFFFFFF", 2147483647},
      {"", std::nullopt},
      {" ", std::nullopt},
      {"-", std::nullopt},
      {"$", std::nullopt},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"$80000000", std::nullopt},
      {"12 ", std::nullopt},
      {"3x", std::nullopt},
      {"-$5", std::nullopt},
      {"1.5", std::nullopt},
      {"99999999999999999999", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadWholeNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(ReadFactorText, CommaOrPointAndTheRangeOfTheStoredReal) {
  struct Case {
    const char* text;
    std::optional<long double> value;
  };
  const Case cases[] = {
      {"2,54", 2.54},
      {"2.54", 2.54},
      {"1,5", 1.5},
      {"-0,5", -0.5},
      {"0", 0.0},
      {"1E38", 1e38},
      {"1E-50", 1e-50},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"2,54 m", std::nullopt},
      {"1,000,5", std::nullopt},
      {"2E38", std::nullopt},
      {"-2E38", std::nullopt},
      {"1E400", std::nullopt},
  };
  for (const Case& c : cases) {
    std::optional<long double> v = ReadFactorText(c.text);
    ASSERT_EQ(v.has_value(), c.value.has_value()) << c.text;
    if (v) {
      EXPECT_EQ(*v, static_cast<long double>(static_cast<double>(*c.value))) << c.text;
    }
  }
}

}  // namespace
}  // namespace mensurio
