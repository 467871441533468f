#include "app/point_row.hpp"

#include <string_view>

namespace brelosta {
namespace {

// Widths of the degree (or northing and easting) boxes, twips.
constexpr int kDmsBoxWidth = 495;
constexpr int kSingleNumberBoxWidth = 1200;

}  // namespace

void setPointRowLayout(const SystemPanel& panel, PointRowLayout layout) {
  const bool dms = layout == PointRowLayout::DegreesMinutesSeconds;
  panel.LAT_D.width = dms ? kDmsBoxWidth : kSingleNumberBoxWidth;
  panel.LON_D.width = dms ? kDmsBoxWidth : kSingleNumberBoxWidth;
  for (Control* box : {&panel.LAT_M, &panel.LAT_S, &panel.LON_M, &panel.LON_S}) box->visible = dms;

  std::string_view minutesSign = "'";
  std::string_view secondsSign = "\"";
  if (layout == PointRowLayout::DecimalDegrees) {
    minutesSign = "°";
    secondsSign = "";
  } else if (layout == PointRowLayout::Grid) {
    minutesSign = "m";
    secondsSign = "";
  }
  for (Control* sign : {&panel.latitudeMinutesSign, &panel.longitudeMinutesSign}) sign->text = minutesSign;
  for (Control* sign : {&panel.latitudeSecondsSign, &panel.longitudeSecondsSign}) sign->text = secondsSign;
}

}  // namespace brelosta
