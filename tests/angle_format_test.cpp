// The angle-format reaction of a geographic panel: degrees, minutes and
// seconds to decimal degrees and back, read in the user's number format.

#include <gtest/gtest.h>

#include <random>

#include "app/commands.hpp"
#include "core/number_reading.hpp"
#include "formats/angle_text.hpp"
#include "started_window.hpp"

namespace brelosta {
namespace {

void chooseFormat(StartedWindow& window, std::string_view format) {
  selectText(window.app, window.state.Units_L, format);
}

TEST(AngleFormat, DegreesMinutesSecondsSurviveTheWayThroughDecimalDegrees) {
  std::mt19937_64 random(11);
  std::uniform_real_distribution<double> latitude(-88.0, 88.0);
  std::uniform_real_distribution<double> longitude(-180.0, 180.0);
  std::uniform_int_distribution<int> nearWhole(0, 3);
  for (const NumberFormat format : {NumberFormat::point(), NumberFormat::comma()}) {
    StartedWindow window(format);
    MainWindowState& s = window.state;
    for (int k = 0; k < 2000; ++k) {
      double lat = latitude(random);
      double lon = longitude(random);
      // Angles under one degree, and angles just short of a whole minute.
      if (nearWhole(random) == 0) lat = std::fmod(lat, 1.0);
      if (nearWhole(random) == 0) lon = std::round(lon * 60.0) / 60.0 - 1e-8;
      splitAngle(lat, format, s.LAT_D_L.text, s.LAT_M_L.text, s.LAT_S_L.text);
      splitAngle(lon, format, s.LON_D_L.text, s.LON_M_L.text, s.LON_S_L.text);
      const MainWindowState typed = s;

      chooseFormat(window, "Grados Decimales");
      EXPECT_NEAR(*strictValue(s.LAT_D_L.text, format), lat, 0.6e-9 + 0.5e-5 / 3600.0);
      EXPECT_NEAR(*strictValue(s.LON_D_L.text, format), lon, 0.6e-9 + 0.5e-5 / 3600.0);
      chooseFormat(window, "Grad Min Seg");
      for (const auto& [box, before] : {std::pair{&s.LAT_D_L, &typed.LAT_D_L}, std::pair{&s.LAT_M_L, &typed.LAT_M_L},
                                        std::pair{&s.LAT_S_L, &typed.LAT_S_L}, std::pair{&s.LON_D_L, &typed.LON_D_L},
                                        std::pair{&s.LON_M_L, &typed.LON_M_L}, std::pair{&s.LON_S_L, &typed.LON_S_L}})
        ASSERT_EQ(box->text, before->text) << lat << " " << lon;
    }
    EXPECT_TRUE(window.toolkit.messages.empty());
  }
}

struct ReadingCase {
  NumberFormat format;
  const char* degrees;
  const char* minutes;
  const char* decimal;  // the decimal text, or nothing when refused
};

TEST(AngleFormat, ReadsTheBoxesInTheUsersNumberFormat) {
  const NumberFormat point = NumberFormat::point();
  const NumberFormat comma = NumberFormat::comma();
  const ReadingCase cases[] = {
      {point, "10.5", "30", "11.000000000"},
      {point, "10,5", "30", nullptr},  // a grouping separator in the wrong place
      {point, "1,000", "", nullptr},  // 1.000 or 1000: ambiguous
      {point, "1,000,000", "", "1000000.000000000"},
      {point, " -66 ", "", "-66.000000000"},
      {point, "+5", "6", "5.100000000"},
      {point, "1e1", "", "10.000000000"},
      {point, "-0", "45", "-0.750000000"},
      {point, "", "45", "0.750000000"},
      {point, "0x10", "", nullptr},
      {point, "nan", "", nullptr},
      {point, "10°", "", nullptr},
      {point, "1.79e308", "1.7e308", nullptr},  // no finite angle
      {comma, "10,5", "30", "11,000000000"},
      {comma, "10.5", "30", nullptr},
      {comma, "1.000", "", nullptr},
      {comma, "1.000.000", "", "1000000,000000000"},
      {comma, "-0", "7,5", "-0,125000000"},
  };
  for (const ReadingCase& c : cases) {
    SCOPED_TRACE(std::string(c.degrees) + " " + c.minutes);
    StartedWindow window(c.format);
    MainWindowState& s = window.state;
    s.LAT_D_L.text = c.degrees;
    s.LAT_M_L.text = c.minutes;
    s.LON_D_L.text = "-66";
    const MainWindowState typed = s;
    chooseFormat(window, "Grados Decimales");
    if (c.decimal == nullptr) {
      EXPECT_TRUE(s == typed) << "a refused box changes nothing";
      ASSERT_EQ(window.toolkit.messages.size(), 1U);
      EXPECT_EQ(window.toolkit.messages[0].icon, MessageIcon::Warning);
      EXPECT_EQ(window.toolkit.messages[0].title, "Atención");
    } else {
      EXPECT_EQ(s.LAT_D_L.text, c.decimal);
      EXPECT_EQ(s.Units_L.text, "Grados Decimales");
      EXPECT_TRUE(window.toolkit.messages.empty());
    }
  }
}

}  // namespace
}  // namespace brelosta
