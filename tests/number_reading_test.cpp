#include "core/number_reading.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

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

}  // namespace
}  // namespace brelosta
