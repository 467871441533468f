#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/main_window_state.hpp"

namespace brelosta {

// What the front ends draw on the map's canvas, back to front: the strokes
// in this order, then the point markers, then the texts.
enum class MapStroke { Graticule, GeoidGrid, ZoneBoundary, StateBorder, Coast, Border };

// A colour as 0xRRGGBB.
using MapColour = std::uint32_t;

struct MapStrokeStyle {
  MapColour colour = 0;
  double width = 1.0;  // pixels at 100 %
  bool dashed = false;
};
MapStrokeStyle strokeStyle(MapStroke stroke);

// A point inside the areas is a filled disc; one outside the geoid grid or
// its datum's area an open square of another colour, drawn over the others.
enum class MarkerKind { Inside, Outside };
MapColour markerColour(MarkerKind kind);

enum class MapTextKind { PointId, Graticule, Zone };
MapColour textColour(MapTextKind kind);

// How the front end's canvas measures: its size in pixels, the width of an
// average character and the height of a line of its font (pixels), and its
// scaling (1 at 100 %, 1.5 at 150 %), by which markers and lines grow.
struct CanvasMetrics {
  CanvasSize size;
  double characterWidth = 7.0;
  double lineHeight = 14.0;
  double scale = 1.0;
};

struct DrawnPoint {
  float x = 0.0F;
  float y = 0.0F;
};

// `count` vertices of the drawing's array from `first`, joined by lines.
struct MapRun {
  MapStroke stroke = MapStroke::Coast;
  std::uint32_t first = 0;
  std::uint32_t count = 0;
};

struct MapMarker {
  DrawnPoint at;
  MarkerKind kind = MarkerKind::Inside;
};

// A text whose box (one line high) has its top left corner at `at`.
struct MapText {
  DrawnPoint at;
  std::string text;
  MapTextKind kind = MapTextKind::PointId;
};

struct MapDrawing {
  std::vector<DrawnPoint> vertices;
  std::vector<MapRun> runs;  // in the order of MapStroke
  std::vector<MapMarker> markers;
  double markerRadius = 3.0;  // pixels
  std::vector<MapText> texts;
};

// Beyond this many markers on the canvas no Id is written beside them.
inline constexpr std::size_t kMaxLabelledMarkers = 400;

// The drawing of the map for its view on a canvas: the graticule with its
// labels, the geoid grid's edge, the UTM zone boundaries 18 to 21 with the
// zones' numbers, the outline, all clipped to the canvas (lines of the
// outline that miss it are passed over, vertices closer than a pixel to the
// last one kept are dropped); a marker per point on the canvas, but one per
// cell of the marker's radius where several fall (an outside point wins its
// cell); each marker's Id to its right where it overlaps no other Id or
// marker, while there are few enough markers.
MapDrawing drawMap(const MapWindowState& map, const CanvasMetrics& canvas);

}  // namespace brelosta
