#include "core/number_reading.hpp"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace brelosta {
namespace {

const NumberFormat kPoint = NumberFormat::point();
const NumberFormat kComma = NumberFormat::comma();

struct LenientCase {
  const char* text;
  double point;  // with a decimal point format
  double comma;  // with a decimal comma format
};

TEST(LenientValue, TakesTheLeadingNumberAndNeverFails) {
  const double inf = std::numeric_limits<double>::infinity();
  const LenientCase cases[] = {
      {"", 0, 0},
      {"abc", 0, 0},
      {"  12.5", 12.5, 12.5},
      {"-88.5", -88.5, -88.5},
      {"-88,5", -88, -88.5},   // a Venezuelan latitude must not pass the range check as -88
      {"0,9996", 0, 0.9996},   // a scale factor typed with a comma is not "missing"
      {"500000,75", 500000, 500000.75},
      {"1,234.5", 1, 1.234},   // grouping is never read leniently
      {"1.234,5", 1.234, 1.234},
      {"+3e2x", 300, 300},
      {"3e", 3, 3},
      {"3e+", 3, 3},
      {".5", 0.5, 0.5},
      {",5", 0, 0.5},
      {"-", 0, 0},
      {"-0", 0, 0},
      {"12abc", 12, 12},
      {"1e999", inf, inf},
      {"-1e999", -inf, -inf},
      {"1e-999", 0, 0},
      {"0x1A", 0, 0},
      {"nan", 0, 0},
  };
  for (const LenientCase& c : cases) {
    EXPECT_EQ(lenientValue(c.text, kPoint), c.point) << '"' << c.text << "\" with a point";
    EXPECT_EQ(lenientValue(c.text, kComma), c.comma) << '"' << c.text << "\" with a comma";
  }
  EXPECT_TRUE(std::signbit(lenientValue("-0", kPoint)));
}

struct StrictCase {
  const char* text;
  std::optional<double> point;
  std::optional<double> comma;
};

TEST(StrictValue, ReadsTheWholeTextInTheUsersFormat) {
  const std::optional<double> no;
  const StrictCase cases[] = {
      {"12.5", 12.5, no},
      {"12,5", no, 12.5},
      {" -12.5 ", -12.5, no},
      {"+7", 7, 7},
      {"1,234.5", 1234.5, no},
      {"1.234,5", no, 1234.5},
      {"1.234.567,25", no, 1234567.25},
      {"1,234,567", 1234567, no},
      {"10.5", 10.5, no},  // never 105 with a decimal comma
      {"1.23", 1.23, no},
      {"12.34.567", no, no},
      {"1234.567", 1234.567, no},
      {"1234.567,5", no, no},  // a first group of four digits
      {".5", 0.5, no},
      {"5.", 5, no},
      {",5", no, 0.5},
      {"1e3", 1000, 1000},
      {"1,5e3", no, 1500},
      {"1E-3", 0.001, 0.001},
      {"1e999", no, no},
      {"1e-999", 0, 0},
      {"", no, no},
      {"   ", no, no},
      {"-", no, no},
      {"nan", no, no},
      {"inf", no, no},
      {"-inf", no, no},
      {"0x1A", no, no},
      {"12abc", no, no},
      {"1 2", no, no},
      {"1e", no, no},
      {",", no, no},
      {"- 5", no, no},
      {"--5", no, no},
  };
  for (const StrictCase& c : cases) {
    EXPECT_EQ(strictValue(c.text, kPoint), c.point) << '"' << c.text << "\" with a point";
    EXPECT_EQ(strictValue(c.text, kComma), c.comma) << '"' << c.text << "\" with a comma";
  }
}

TEST(StrictValue, GroupedThousandsNeedThreeDigitGroups) {
  EXPECT_EQ(strictValue("1,234,567", kPoint), 1234567.0);
  EXPECT_EQ(strictValue("1,23,567", kPoint), std::nullopt);
  EXPECT_EQ(strictValue(",123", kPoint), std::nullopt);
  EXPECT_EQ(strictValue("123,", kPoint), std::nullopt);
  EXPECT_EQ(strictValue("1.000.000", kComma), 1000000.0);
  EXPECT_EQ(strictValue("1.000.000,5", kComma), 1000000.5);
}

TEST(StrictValue, AcceptsWhatTheLenientValueReadsForPlainNumbers) {
  for (const char* text : {"0", "-0.5", "88", "1106908.8542", "-66.000000000", "6378137"}) {
    EXPECT_EQ(strictValue(text, kPoint), lenientValue(text, kPoint)) << text;
  }
}

// Found by fuzzing: an exponent just below the range of a long overflowed
// when the place of the first digit was added to it.
TEST(NumberReading, ExponentsBeyondAnyDoubleSaturate) {
  const double inf = std::numeric_limits<double>::infinity();
  for (const NumberFormat format : {kPoint, kComma}) {
    EXPECT_EQ(lenientValue("4444499999999991e+9223372036854775803", format), inf);
    EXPECT_EQ(strictValue("4444499999999991e+9223372036854775803", format), std::nullopt);
    EXPECT_EQ(strictValue("4444499999999991e-9223372036854775803", format), 0.0);
    EXPECT_EQ(lenientValue("-12345678901234567e99999999999999999999999", format), -inf);
  }
  EXPECT_EQ(plainNumber("12345678901234567e-9223372036854775807"), 0.0);
}

TEST(PlainNumber, IsTheFileFieldSyntax) {
  EXPECT_EQ(plainNumber("10.5"), 10.5);
  EXPECT_EQ(plainNumber("-3e2"), -300.0);
  EXPECT_EQ(plainNumber("+.5"), 0.5);
  EXPECT_EQ(plainNumber("10,5"), std::nullopt);
  EXPECT_EQ(plainNumber("Norte"), std::nullopt);
  EXPECT_EQ(plainNumber(""), std::nullopt);
  EXPECT_EQ(plainNumber("1e"), std::nullopt);
  EXPECT_EQ(plainNumber("1e999"), std::nullopt);
}

TEST(NumberReading, ShortDecimalsReadAsTheNearestDouble) {
  // Texts of up to 22 digits with and without exponent, read every way,
  // against the standard library's correctly rounded reading.
  std::mt19937_64 random(11);
  std::uniform_int_distribution<int> digitCount(1, 22);
  std::uniform_int_distribution<int> digit(0, 9);
  std::uniform_int_distribution<int> pointAt(0, 22);
  const std::vector<std::string> edges = {"0.0000000000000000000000001", "00000000000000000000012.5",
                                          "1234567890123456.5", "999999999999999.5", "100000000000000.0",
                                          "18446744073709551617", "0.1000000000000000055511151231257827"};
  for (std::size_t k = 0; k < 100000 + edges.size(); ++k) {
    std::string text = k % 2 == 0 ? "" : "-";
    const int count = digitCount(random);
    const int point = pointAt(random);
    for (int d = 0; d < count; ++d) {
      if (d == point) text += '.';
      text += static_cast<char>('0' + digit(random));
    }
    if (k % 7 == 0) text += "e-3";
    if (k >= 100000) text = edges[k - 100000];
    double expected = 0.0;
    const std::string_view unsignedText = std::string_view(text).substr(text.front() == '-' ? 1 : 0);
    std::from_chars(unsignedText.data(), unsignedText.data() + unsignedText.size(), expected);
    if (text.front() == '-') expected = -expected;
    std::string commaText = text;
    for (char& c : commaText)
      if (c == '.') c = ',';
    ASSERT_EQ(plainNumber(text), expected) << text;
    ASSERT_EQ(strictValue(text, kPoint), expected) << text;
    ASSERT_EQ(lenientValue(text, kPoint), expected) << text;
    ASSERT_EQ(strictValue(" " + commaText + " ", kComma), expected) << commaText;
    ASSERT_EQ(lenientValue(commaText + "x", kComma), expected) << commaText;
  }
}

TEST(AmbiguousGrouping, OnlyASingleSeparatorBeforeThreeDigitsWithoutDecimals) {
  for (const char* text : {"100.250", "-100.250", " 1.150 ", "0.500", "+12.345", "100.250e3"})
    EXPECT_TRUE(ambiguousGrouping(text, kComma)) << text;
  for (const char* text : {"1.150.000", "1.150,25", "100,25", "100,250", "10.50", "1000.250", "100.2500",
                           ".250", "100.", "100.25x", "12", ""})
    EXPECT_FALSE(ambiguousGrouping(text, kComma)) << text;
  EXPECT_TRUE(ambiguousGrouping("100,250", kPoint));
  EXPECT_FALSE(ambiguousGrouping("100.250", kPoint));
  EXPECT_FALSE(ambiguousGrouping("1,150,000", kPoint));
  EXPECT_FALSE(ambiguousGrouping("1,150.25", kPoint));
}

}  // namespace
}  // namespace brelosta
