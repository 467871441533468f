#pragma once

#include <filesystem>
#include <optional>

#include "core/text_file.hpp"
#include "formats/point_output.hpp"

namespace brelosta {

// DXF R12 in ASCII (AutoCAD, LibreCAD, QGIS), in the target system's metres:
// a POINT a converted record on the layer "PUNTOS" (east, north and, with the
// layout's height, the height as elevation), its Id (or number) as TEXT on
// "NOMBRES" and its height as TEXT on "COTAS". For grid targets only. The
// header gives the drawing's extents and the view that shows them, which
// only the last record settles: the entities wait in a scratch file beside
// `near` until then. Windows-1252 text, as the header's code page says.
class DxfWriter : public PointWriter {
 public:
  DxfWriter(const RecordPlan& plan, const std::filesystem::path& near);

  void head(OutputSink&) override {}
  void point(OutputSink& sink, const OutputPoint& point) override;
  void end(OutputSink& sink) override;

 private:
  struct Extents {
    double minEast, minNorth, minHeight, maxEast, maxNorth, maxHeight;
  };
  void writeHeader(OutputSink& sink) const;

  RecordPlan plan_;
  ScratchFile scratch_;
  OutputSink entities_;  // into scratch_
  std::optional<Extents> extents_;
};

}  // namespace brelosta
