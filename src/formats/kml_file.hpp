#pragma once

#include "formats/point_output.hpp"

namespace brelosta {

// KML 2.2, as Google Earth opens it: one Placemark a converted record, named
// by its Id (or its number), its description the target system's
// coordinates, at the point taken to WGS84 (longitude, latitude and, with the
// layout's height, the WGS84 ellipsoidal height). The points lie on the
// ground unless `absoluteHeights`, which places them at that height. A record
// passed over has no point and no Placemark. UTF-8, XML-escaped.
class KmlWriter : public PointWriter {
 public:
  KmlWriter(const RecordPlan& plan, RecordFamily family, std::string documentName, bool absoluteHeights);

  void head(OutputSink& sink) override;
  void point(OutputSink& sink, const OutputPoint& point) override;
  void end(OutputSink& sink) override;
  bool placesOnWgs84() const override { return true; }

 private:
  RecordPlan plan_;
  std::string documentName_;
  bool absoluteHeights_;
  std::vector<std::string> labels_;  // each coordinate field's "Norte: "
  // The description's end for the system last written, made again when the
  // system changes (a UTM target's zone may change from point to point).
  TargetSystem system_;
  std::string systemEnd_;
};

// Appends a text escaped for XML character data and attribute values;
// control characters, which XML 1.0 cannot hold, become '?'.
void appendXmlText(std::string& out, std::string_view text);

}  // namespace brelosta
