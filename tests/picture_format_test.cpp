#include "core/picture_format.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "core/number_reading.hpp"

namespace brelosta {
namespace {

struct PictureCase {
  double value;
  const char* picture;
  const char* expected;
};

TEST(PictureFormat, WritesTheProgramsPictures) {
  const PictureCase cases[] = {
      {1106908.85419, "######0.0000", "1106908.8542"},
      {171071.26404, "######0.0000", "171071.2640"},
      {-333958.4724, "######0.000", "-333958.472"},
      {10.0, "##0.000000000", "10.000000000"},
      {-66.0, "##0.000000000", "-66.000000000"},
      {0.5, "##0.000000000", "0.500000000"},
      {-18.6728, "##00.00", "-18.67"},
      {5.2, "##00.00", "05.20"},
      {-5.2, "##00.00", "-05.20"},
      {7.0, "00", "07"},
      {123.0, "00", "123"},
      {3.0, "#00", "03"},
      {-3.0, "#00", "-03"},
      {12.5, "#0000000.0000", "0000012.5000"},
      {12.5, "#00000000.0000", "00000012.5000"},
      {12.0, "#0000.0000", "0012.0000"},
      {59.999994, "##0.00000", "59.99999"},
      {59.999996, "##0.00000", "60.00000"},
      {0.0, "######0.000", "0.000"},
      {1.005, "##0.00", "1.01"},            // 15-digit form 1.00500000000000
      {2.675, "##0.00", "2.68"},
      {-1.005, "##0.00", "-1.01"},
      {0.0005, "##0.000", "0.001"},
      {-0.0004, "######0.000", "0.000"},    // rounds to zero: no minus sign
      {-0.0, "##0.0000", "0.0000"},
      {-1e-10, "##0.000000000", "0.000000000"},
      {999.9995, "##0.000", "1000.000"},
      {9.5, "0", "10"},
      {-0.5, "0", "-1"},
      {0.4, "0", "0"},
      {1e20, "##0.00", "100000000000000000000.00"},
      {1.5e-7, "##0.000000000", "0.000000150"},
  };
  for (const PictureCase& c : cases)
    EXPECT_EQ(formatPicture(c.value, c.picture, NumberFormat::point()), c.expected)
        << c.value << " with " << c.picture;
}

// Found by fuzzing: the largest double rounds, at 15 significant digits,
// past the double range; its text is still written digit for digit.
TEST(PictureFormat, WritesTheLargestDoublesWhole) {
  const std::string text = formatPicture(-1.7976931348623157e308, "####0.0000", NumberFormat::point());
  EXPECT_EQ(text.substr(0, 16), "-179769313486232");
  EXPECT_EQ(text.size(), 1 + 309 + 5u);
  EXPECT_EQ(text.substr(text.size() - 5), ".0000");
}

TEST(PictureFormat, UsesTheUsersDecimalMark) {
  EXPECT_EQ(formatPicture(1106908.8542, "######0.0000", NumberFormat::comma()), "1106908,8542");
  EXPECT_EQ(formatPicture(-0.5, "##0.000000000", NumberFormat::comma()), "-0,500000000");
  EXPECT_EQ(formatPicture(7.0, "00", NumberFormat::comma()), "07");
}

TEST(PictureFormat, ReadsBackToThePicturesPrecisionInBothFormats) {
  std::mt19937_64 random(20261207);
  std::uniform_real_distribution<double> magnitude(-9.0, 9.0);
  for (const NumberFormat format : {NumberFormat::point(), NumberFormat::comma()}) {
    for (const char* pictureText : {"##0.000000000", "######0.0000", "######0.000", "##00.00", "##0.00000"}) {
      const Picture picture = parsePicture(pictureText);
      const double unit = std::pow(10.0, -picture.decimals);
      for (int k = 0; k < 2000; ++k) {
        const double value = std::copysign(std::pow(10.0, magnitude(random)), magnitude(random));
        const std::string text = formatPicture(value, picture, format);
        const auto back = strictValue(text, format);
        ASSERT_TRUE(back) << text;
        EXPECT_LE(std::fabs(*back - value), unit / 2 * (1 + 1e-9) + std::fabs(value) * 1e-14)
            << value << " -> " << text;
      }
    }
  }
}

TEST(PictureFormat, ShortcutAgreesWithTheExactPath) {
  // Values of every size, values written with few decimals (which sit on
  // or next to the halves a picture rounds at) and their neighbours.
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> exponent(-12.0, 16.0);
  std::uniform_int_distribution<int> cents(-2000000, 2000000);
  std::vector<double> values;
  for (int k = 0; k < 20000; ++k) {
    values.push_back(std::copysign(std::pow(10.0, exponent(random)), cents(random)));
    const double decimal = cents(random) / 1000.0 + 0.0005;
    values.push_back(decimal);
    values.push_back(std::nextafter(decimal, 0.0));
    values.push_back(std::nextafter(decimal, 1e300));
  }
  for (const char* pictureText : {"0", "00", "#00", "##0.00", "00.0000", "##0.00000", "#0000.0000",
                                  "######0.0000", "#00000000.0000", "##0.000000000", "#.00"}) {
    const Picture picture = parsePicture(pictureText);
    for (const double value : values) {
      std::string fast;
      std::string exact;
      appendPicture(fast, value, picture, NumberFormat::comma());
      appendPictureExact(exact, value, picture, NumberFormat::comma());
      ASSERT_EQ(fast, exact) << value << " with " << pictureText;
    }
  }
}

TEST(PictureFormat, DecimalTextsTakeTheirOwnDigitsAsTheExactPathWould) {
  std::mt19937_64 random(13);
  std::uniform_int_distribution<int> digitCount(1, 17);
  std::uniform_int_distribution<int> digit(0, 9);
  std::uniform_int_distribution<int> pointAt(0, 18);
  const char* pictures[] = {"0", "00", "#00", "00.0000", "##0.00000", "#0000.0000", "#0000000.0000",
                            "##0.000000000", "#.00"};
  for (int k = 0; k < 50000; ++k) {
    std::string text = k % 3 == 0 ? "-" : "";
    const int count = digitCount(random);
    const int point = pointAt(random);
    for (int d = 0; d < count; ++d) {
      if (d == point) text += ',';
      // Runs of nines and fives sit on the carries and halves.
      const int kind = digit(random);
      text += static_cast<char>(kind < 3 ? '9' : kind < 5 ? '5' : kind < 6 ? '0' : '0' + digit(random));
    }
    const double value = *strictValue(text, NumberFormat::comma());
    for (const char* pictureText : pictures) {
      const Picture picture = parsePicture(pictureText);
      std::string fromText;
      std::string exact;
      const bool taken = appendDecimalPicture(fromText, text, ',', picture, NumberFormat::point());
      appendPictureExact(exact, value, picture, NumberFormat::point());
      if (taken) {
        ASSERT_EQ(fromText, exact) << text << " with " << pictureText;
      }
      if (count <= 15) {
        ASSERT_TRUE(taken) << text;
      }
    }
  }
  std::string out;
  for (const char* notPlain : {"", "-", ",", "1e5", "1.000", "12a", "+-1", "1,2,3"})
    EXPECT_FALSE(appendDecimalPicture(out, notPlain, ',', parsePicture("0.00"), NumberFormat::point())) << notPlain;
  EXPECT_EQ(out, "");
}

TEST(PictureFormat, ParsesPictures) {
  EXPECT_EQ(parsePicture("##0.000000000").minIntegerDigits, 1);
  EXPECT_EQ(parsePicture("##0.000000000").decimals, 9);
  EXPECT_EQ(parsePicture("#0000000.0000").minIntegerDigits, 7);
  EXPECT_EQ(parsePicture("#00").decimals, 0);
}

TEST(TextPicture, RightAlignsInThePlaceholders) {
  EXPECT_EQ(formatTextPicture("P1", "@@@@@@@@"), "      P1");
  EXPECT_EQ(formatTextPicture("Señal", "@@@@@@@@"), "   Señal");
  EXPECT_EQ(formatTextPicture("ABCDEFGHIJ", "@@@@@@@@"), "ABCDEFGHIJ");
}

TEST(ShortestText, ReadsBackExactly) {
  EXPECT_EQ(shortestText(-270.933, NumberFormat::point()), "-270.933");
  EXPECT_EQ(shortestText(2464351.594, NumberFormat::comma()), "2464351,594");
  EXPECT_EQ(shortestText(6378388, NumberFormat::point()), "6378388");
  for (double v : {298.257223563, -5.109, 1e-5, 974809.808}) {
    for (const NumberFormat format : {NumberFormat::point(), NumberFormat::comma()})
      EXPECT_EQ(strictValue(shortestText(v, format), format), v);
  }
}

}  // namespace
}  // namespace brelosta
