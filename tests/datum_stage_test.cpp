#include "app/datum_stage.hpp"

#include <gtest/gtest.h>

#include "app/reaction_errors.hpp"
#include "core/picture_format.hpp"

namespace brelosta {
namespace {

const EllipsoidShape kWgs84 = EllipsoidShape::fromInverseFlattening(6378137.0, 298.257223563);
const EllipsoidShape kInternational = EllipsoidShape::fromInverseFlattening(6378388.0, 297.0);
const GeodeticPosition kCaracas{10.5, -66.9, 900.0};

// The window showing the La Canoa (2) parameters, in the given format.
MainWindowState windowWithParameters(NumberFormat format) {
  MainWindowState state;
  state.numberFormat = format;
  const double values[] = {-270.933, 115.599, -360.226, -5.266, -1.238, 2.381, -5.109,
                           2464351.594, -5783466.613, 974809.808};
  Control* boxes[] = {&state.Dx_label, &state.Dy_label, &state.Dz_label, &state.Rx_label, &state.Ry_label,
                      &state.Rz_label, &state.SC_label, &state.XXMM,     &state.YYMM,     &state.ZZMM};
  for (std::size_t k = 0; k < std::size(boxes); ++k) boxes[k]->text = shortestText(values[k], format);
  return state;
}

void checkMethod(MainWindowState& state, int box) {
  state.Check1.value = box == 1;
  state.Check2.value = box == 2;
  state.Check3.value = box == 3;
}

GeodeticPosition shiftOnce(const MainWindowState& state, const std::string& source, const std::string& target) {
  const auto ellipsoid = [](const std::string& datum) { return datum == "WGS84" ? kWgs84 : kInternational; };
  DatumStage stage(source, target, ellipsoid(source), ellipsoid(target));
  return stage.shift(state, kCaracas);
}

// An empty box is not a number: it ends the command as soon as a
// non-reference datum is in play, whatever the method, except the origin
// boxes, which only Badekas-Molodensky reads.
TEST(DatumStage, ReadsTheBoxesTheShiftNeeds) {
  const char* names[] = {"Dx_label", "Dy_label", "Dz_label", "Rx_label", "Ry_label",
                         "Rz_label", "SC_label", "XXMM",     "YYMM",     "ZZMM"};
  for (int method = 0; method <= 3; ++method) {
    for (std::size_t box = 0; box < std::size(names); ++box) {
      MainWindowState state = windowWithParameters(NumberFormat::point());
      checkMethod(state, method);
      findControl(state, names[box])->text.clear();
      const bool origin = box >= 7;
      const bool needed = !origin || method == 3;
      for (const auto& [source, target] : {std::pair{"D", "WGS84"}, std::pair{"WGS84", "D"}, std::pair{"D", "D"}}) {
        SCOPED_TRACE(std::string(names[box]) + " method " + std::to_string(method) + " " + source);
        if (needed)
          EXPECT_THROW(shiftOnce(state, source, target), DataError);
        else
          EXPECT_NO_THROW(shiftOnce(state, source, target));
      }
      EXPECT_NO_THROW(shiftOnce(state, "WGS84", "WGS84")) << names[box];
    }
  }
}

TEST(DatumStage, BoxThatIsNotANumberInTheUsersFormatIsADataError) {
  for (const char* text : {"-270.933x", "1e999", "nan", "-270.933.1"}) {
    MainWindowState state = windowWithParameters(NumberFormat::point());
    state.Dx_label.text = text;
    EXPECT_THROW(shiftOnce(state, "D", "WGS84"), DataError) << text;
  }
  MainWindowState comma = windowWithParameters(NumberFormat::comma());
  comma.Dx_label.text = "-270,9,33";
  EXPECT_THROW(shiftOnce(comma, "D", "WGS84"), DataError);
}

TEST(DatumStage, SameResultWithEitherDecimalMark) {
  for (int method = 0; method <= 3; ++method) {
    MainWindowState point = windowWithParameters(NumberFormat::point());
    MainWindowState comma = windowWithParameters(NumberFormat::comma());
    checkMethod(point, method);
    checkMethod(comma, method);
    ASSERT_EQ(comma.Dx_label.text, "-270,933");
    for (const auto& [source, target] : {std::pair{"D", "WGS84"}, std::pair{"WGS84", "D"}}) {
      const GeodeticPosition a = shiftOnce(point, source, target);
      const GeodeticPosition b = shiftOnce(comma, source, target);
      EXPECT_EQ(a.latitude, b.latitude) << method;
      EXPECT_EQ(a.longitude, b.longitude) << method;
      EXPECT_EQ(a.height, b.height) << method;
      EXPECT_NE(a.latitude, kCaracas.latitude) << method;
    }
  }
}

// With more than one box checked (a configuration file can hold that), the
// first in the order Molodensky, Bursa-Wolf, Badekas-Molodensky counts.
TEST(DatumStage, FirstCheckedBoxIsTheMethod) {
  MainWindowState state = windowWithParameters(NumberFormat::point());
  checkMethod(state, 1);
  const GeodeticPosition molodensky = shiftOnce(state, "D", "WGS84");
  checkMethod(state, 2);
  const GeodeticPosition bursaWolf = shiftOnce(state, "D", "WGS84");
  state.Check1.value = 1;
  state.Check3.value = 1;
  EXPECT_EQ(shiftOnce(state, "D", "WGS84").latitude, molodensky.latitude);
  state.Check1.value = 0;
  EXPECT_EQ(shiftOnce(state, "D", "WGS84").latitude, bursaWolf.latitude);
}

TEST(DatumStage, NonFiniteResultIsADataError) {
  MainWindowState state = windowWithParameters(NumberFormat::point());
  checkMethod(state, 2);
  state.Dx_label.text = "1e308";
  state.Dy_label.text = "1e308";
  EXPECT_THROW(shiftOnce(state, "D", "WGS84"), DataError);
}

}  // namespace
}  // namespace brelosta
