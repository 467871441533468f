#include "formats/angle_text.hpp"

#include <gtest/gtest.h>

#include <random>

#include "app/point_entry.hpp"
#include "core/number_reading.hpp"

namespace brelosta {
namespace {

struct SplitCase {
  double angle;
  const char* degrees;
  const char* minutes;
  const char* seconds;
};

TEST(SplitAngle, WritesDegreesMinutesAndSeconds) {
  const SplitCase cases[] = {
      {10.5, "10", "30", "0.00000"},
      {-0.5, "-0", "30", "0.00000"},
      {-12.5, "-12", "30", "0.00000"},
      {0.0, "0", "0", "0.00000"},
      {10.99999999, "10", "59", "59.99996"},  // never 11 0 -0.00004
      {10.9999999999, "11", "0", "0.00000"},  // seconds round to 60: carried
      {-0.9999999999, "-1", "0", "0.00000"},
      {59.0 / 60.0 + 59.99999 / 3600.0, "0", "59", "59.99999"},
      {59.0 / 60.0 + 59.999996 / 3600.0, "1", "0", "0.00000"},
      {-66.0, "-66", "0", "0.00000"},
      {0.00000001, "0", "0", "0.00004"},
      {-0.00000001, "-0", "0", "0.00004"},
  };
  for (const SplitCase& c : cases) {
    std::string d, m, s;
    splitAngle(c.angle, NumberFormat::point(), d, m, s);
    EXPECT_EQ(d, c.degrees) << c.angle;
    EXPECT_EQ(m, c.minutes) << c.angle;
    EXPECT_EQ(s, c.seconds) << c.angle;
  }
}

// What the program's own entry makes of the three texts.
double readBack(const std::string& d, const std::string& m, const std::string& s, NumberFormat format) {
  const double magnitude = std::fabs(*strictValue(d, format)) + std::fabs(*strictValue(m, format)) / 60.0 +
                           std::fabs(*strictValue(s, format)) / 3600.0;
  return degreesTextSign(d, format) * magnitude;
}

TEST(SplitAngle, ReadsBackWithinTheLastSecondsDecimal) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> angle(-180.0, 180.0);
  std::uniform_int_distribution<int> near(0, 3);
  const double halfUnit = 0.5e-5 / 3600.0;  // half the last seconds decimal, in degrees
  for (const NumberFormat format : {NumberFormat::point(), NumberFormat::comma()}) {
    for (int k = 0; k < 100000; ++k) {
      double v = angle(random);
      // Many values just below a whole minute or degree, where carries happen.
      if (near(random) == 0) v = std::round(v * 60.0) / 60.0 - std::copysign(1e-9 * (k % 7), v);
      std::string d, m, s;
      splitAngle(v, format, d, m, s);
      ASSERT_FALSE(s.starts_with("-")) << v;
      ASSERT_LT(*strictValue(m, format), 60.0) << v;
      ASSERT_LT(*strictValue(s, format), 60.0) << v;
      ASSERT_NEAR(readBack(d, m, s, format), v, halfUnit * 1.0001) << v << " -> " << d << ' ' << m << ' ' << s;
    }
  }
}

}  // namespace
}  // namespace brelosta
