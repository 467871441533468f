#include "formats/wgs84_text.hpp"

#include "core/picture_format.hpp"

namespace brelosta {
namespace {

constexpr Picture kDegrees = parsePicture("##0.000000000");
constexpr Picture kMetres = parsePicture("##0.0000");

}  // namespace

void appendWgs84Coordinates(std::string& out, const GeodeticPosition& position, bool withHeight) {
  appendPicture(out, position.longitude, kDegrees, NumberFormat::point());
  out += ',';
  appendPicture(out, position.latitude, kDegrees, NumberFormat::point());
  if (!withHeight) return;
  out += ',';
  appendPicture(out, position.height, kMetres, NumberFormat::point());
}

}  // namespace brelosta
