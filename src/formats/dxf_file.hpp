#pragma once

#include <array>
#include <functional>
#include <optional>

#include "formats/point_output.hpp"

namespace brelosta {

// DXF R12 in ASCII (AutoCAD, LibreCAD, QGIS), in the target system's metres:
// a POINT a converted record on the layer "PUNTOS" (east, north and, with the
// layout's height, the height as elevation), its Id (or number) as TEXT on
// "NOMBRES" and its height as TEXT on "COTAS". For grid targets only. The
// header gives the drawing's extents and the view that shows them, which
// only the last record settles: it is written first with room for those
// values, which `overwrite` writes over at the end (offset in the file).
// Windows-1252 text, as the header's code page says.
class DxfWriter : public PointWriter {
 public:
  using Overwrite = std::function<void(std::size_t offset, std::string_view bytes)>;
  DxfWriter(const RecordPlan& plan, Overwrite overwrite);

  void head(OutputSink& sink) override;
  void point(OutputSink& sink, const OutputPoint& point) override;
  void end(OutputSink& sink) override;

 private:
  struct Extents {
    double minEast, minNorth, minHeight, maxEast, maxNorth, maxHeight;
  };
  // The header's values that wait for the end, in the order head() leaves
  // room for them.
  enum Later {
    MinEast,
    MinNorth,
    MinHeight,
    MaxEast,
    MaxNorth,
    MaxHeight,
    ViewEast,
    ViewNorth,
    ViewHeight,
    kLater
  };
  void later(OutputSink& sink, int code, Later value);

  RecordPlan plan_;
  Overwrite overwrite_;
  std::array<std::size_t, kLater> offsets_{};
  std::optional<Extents> extents_;
};

}  // namespace brelosta
