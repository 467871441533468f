#pragma once

#include "formats/point_output.hpp"

namespace brelosta {

// GeoJSON (RFC 7946): a FeatureCollection of one Point feature a converted
// record, at the point taken to WGS84 (longitude, latitude and, with the
// layout's height, the WGS84 ellipsoidal height). Its properties are the
// target layout's fields under their header names ("Id", "Norte", "Este",
// "H"), the coordinates as numbers, and "EPSG", the code of the target
// system where it has one: RFC 7946 has no member for another system, so the
// target's coordinates travel as properties. A record passed over has no
// point and no feature. UTF-8, one feature a line.
class GeoJsonWriter : public PointWriter {
 public:
  GeoJsonWriter(const RecordPlan& plan, RecordFamily family);

  void head(OutputSink& sink) override;
  void point(OutputSink& sink, const OutputPoint& point) override;
  void end(OutputSink& sink) override;
  bool placesOnWgs84() const override { return true; }

 private:
  RecordPlan plan_;
  RecordFamily family_;
  std::vector<std::string> names_;  // each field's property name, quoted, with its colon
  bool first_ = true;
  std::optional<int> epsg_;  // the code epsgMember_ writes
  std::string epsgMember_;
};

// Appends a JSON string: the text in double quotes, with quotes,
// backslashes and control characters escaped.
void appendJsonString(std::string& out, std::string_view text);

}  // namespace brelosta
