#pragma once

#include "geodesy/datum_areas.hpp"
#include "geodesy/positions.hpp"

namespace brelosta {

// The map's projection: the equidistant cylindrical projection with its
// standard parallel at 7 N, the middle of Venezuela (Snyder 1987, eqs. 12-1
// and 12-2): x = R (lambda - lambda0) cos phi1, y = R phi, here in pixels
// per degree of latitude. Over 0 to 13 N the scale east-west is off by at
// most 2 % against north-south, no worse than a Mercator of the same frame,
// and both ways are one multiplication, so that a hundred thousand points
// and the outline are placed on every repaint.
inline constexpr double kMapStandardParallel = 7.0;  // degrees

// A position on the canvas, pixels from its top left corner, y downward.
struct PixelPoint {
  double x = 0.0;
  double y = 0.0;
};

struct CanvasSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const CanvasSize&, const CanvasSize&) = default;
};

// What a map shows: the position at the middle of its canvas and the
// scale, pixels per degree of latitude.
struct MapView {
  double latitude = 7.0;
  double longitude = -66.0;
  double pixelsPerDegree = 40.0;
  friend bool operator==(const MapView&, const MapView&) = default;
};

// The scale's bounds, pixels per degree of latitude: the whole of South
// America in a small window, and about a metre per pixel.
inline constexpr double kMinPixelsPerDegree = 2.0;
inline constexpr double kMaxPixelsPerDegree = 100000.0;

// The factor one step of the wheel, + or - zooms by.
inline constexpr double kZoomStep = 1.5;

PixelPoint toPixel(const MapView& view, CanvasSize canvas, LatLon position);
LatLon fromPixel(const MapView& view, CanvasSize canvas, PixelPoint pixel);

// The box of latitudes and longitudes the canvas shows.
GeographicBox shownArea(const MapView& view, CanvasSize canvas);

// The view zoomed by `factor` (above 1 nearer) so that the position under
// `anchor` stays there, the scale kept within its bounds.
MapView zoomed(const MapView& view, CanvasSize canvas, double factor, PixelPoint anchor);

// The view moved with the pointer by dx, dy pixels (what lay under the
// pointer follows it); the middle stays within the world.
MapView panned(const MapView& view, double dx, double dy);

// The view that shows the whole box, `marginPixels` left free on each side;
// a box of one position (or a thin one) keeps `closest` pixels per degree.
MapView fitted(const GeographicBox& box, CanvasSize canvas, double marginPixels, double closest);

}  // namespace brelosta
