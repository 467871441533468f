#include "app/map_view.hpp"

#include <algorithm>
#include <cmath>

#include "geodesy/ellipsoid_shape.hpp"

namespace brelosta {
namespace {

// cos phi1: a degree of longitude in degrees of latitude on the map.
const double kEastScale = std::cos(toRadians(kMapStandardParallel));

// The middle of the view stays where latitudes and longitudes exist.
constexpr double kLatitudeLimit = 85.0;
constexpr double kLongitudeLimit = 180.0;

MapView within(MapView view) {
  view.pixelsPerDegree = std::clamp(view.pixelsPerDegree, kMinPixelsPerDegree, kMaxPixelsPerDegree);
  view.latitude = std::clamp(view.latitude, -kLatitudeLimit, kLatitudeLimit);
  view.longitude = std::clamp(view.longitude, -kLongitudeLimit, kLongitudeLimit);
  return view;
}

}  // namespace

PixelPoint toPixel(const MapView& view, CanvasSize canvas, LatLon position) {
  const double k = view.pixelsPerDegree;
  return {canvas.width / 2.0 + (position.longitude - view.longitude) * kEastScale * k,
          canvas.height / 2.0 - (position.latitude - view.latitude) * k};
}

LatLon fromPixel(const MapView& view, CanvasSize canvas, PixelPoint pixel) {
  const double k = view.pixelsPerDegree;
  return {view.latitude - (pixel.y - canvas.height / 2.0) / k,
          view.longitude + (pixel.x - canvas.width / 2.0) / (kEastScale * k)};
}

GeographicBox shownArea(const MapView& view, CanvasSize canvas) {
  const LatLon topLeft = fromPixel(view, canvas, {0.0, 0.0});
  const LatLon bottomRight =
      fromPixel(view, canvas, {static_cast<double>(canvas.width), static_cast<double>(canvas.height)});
  return {bottomRight.latitude, topLeft.latitude, topLeft.longitude, bottomRight.longitude};
}

MapView zoomed(const MapView& view, CanvasSize canvas, double factor, PixelPoint anchor) {
  const LatLon held = fromPixel(view, canvas, anchor);
  MapView next = view;
  next.pixelsPerDegree = std::clamp(view.pixelsPerDegree * factor, kMinPixelsPerDegree, kMaxPixelsPerDegree);
  // The anchor's position stays under it: solve toPixel(held) = anchor for
  // the middle.
  const double k = next.pixelsPerDegree;
  next.longitude = held.longitude - (anchor.x - canvas.width / 2.0) / (kEastScale * k);
  next.latitude = held.latitude + (anchor.y - canvas.height / 2.0) / k;
  return within(next);
}

MapView panned(const MapView& view, double dx, double dy) {
  MapView next = view;
  next.longitude -= dx / (kEastScale * view.pixelsPerDegree);
  next.latitude += dy / view.pixelsPerDegree;
  return within(next);
}

MapView fitted(const GeographicBox& box, CanvasSize canvas, double marginPixels, double closest) {
  MapView view;
  view.latitude = (box.south + box.north) / 2.0;
  view.longitude = (box.west + box.east) / 2.0;
  const double width = std::max(1.0, canvas.width - 2.0 * marginPixels);
  const double height = std::max(1.0, canvas.height - 2.0 * marginPixels);
  const double across = (box.east - box.west) * kEastScale;
  const double tall = box.north - box.south;
  double k = closest;
  if (across > 0.0) k = std::min(k, width / across);
  if (tall > 0.0) k = std::min(k, height / tall);
  view.pixelsPerDegree = k;
  return within(view);
}

}  // namespace brelosta
