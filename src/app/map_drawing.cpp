#include "app/map_drawing.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "geodesy/positions.hpp"

namespace brelosta {
namespace {

// Graticule steps, arc seconds: 1" to 10 degrees.
constexpr std::array<int, 16> kGraticuleSteps = {1,   2,    5,    10,   15,   30,    60,    120,
                                                 300, 600, 900, 1800, 3600, 7200, 18000, 36000};
// Graticule lines stand at least this far apart, pixels at 100 %.
constexpr double kGraticuleSpacing = 90.0;
constexpr int kSecondsPerDegree = 3600;
constexpr int kSecondsPerMinute = 60;

// The UTM zones over Venezuela and its neighbours: 18 (78 to 72 W) to 21
// (60 to 54 W), six degrees each.
constexpr int kFirstZone = 18;
constexpr int kLastZone = 21;
constexpr double kZoneWidth = 6.0;  // degrees
double zoneWestEdge(int zone) { return -180.0 + (zone - 1) * kZoneWidth; }

// The built-in geoid grid's edge.
constexpr GeographicBox kGeoidGridArea{0.0, 13.0, -74.0, -58.0};

constexpr double kMarkerRadius = 3.5;  // pixels at 100 %
// Vertices of the outline closer than this to the last one kept are
// dropped: at a small scale the coast is thousands of vertices on a few
// pixels.
constexpr double kVertexSpacing = 0.75;  // pixels
// Lines of the outline are clipped this far outside the canvas, so that
// their widths do not show the cut.
constexpr double kClipMargin = 2.0;  // pixels
// The gap between a marker and its Id, and around texts at the edges.
constexpr double kTextGap = 2.0;  // pixels at 100 %

struct Rect {
  double left = 0.0;
  double top = 0.0;
  double right = 0.0;
  double bottom = 0.0;
  bool overlaps(const Rect& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
  }
};

// Characters, not bytes, of a UTF-8 text: what its width on the canvas goes
// by.
std::size_t characterCount(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// A segment clipped to a rectangle (Liang and Barsky 1984); nothing when no
// part of it lies inside.
std::optional<std::pair<PixelPoint, PixelPoint>> clipped(PixelPoint a, PixelPoint b, const Rect& r) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  double t0 = 0.0;
  double t1 = 1.0;
  const std::array<std::pair<double, double>, 4> edges = {{
      {-dx, a.x - r.left},
      {dx, r.right - a.x},
      {-dy, a.y - r.top},
      {dy, r.bottom - a.y},
  }};
  for (const auto& [p, q] : edges) {
    if (p == 0.0) {
      if (q < 0.0) return std::nullopt;
      continue;
    }
    const double t = q / p;
    if (p < 0.0)
      t0 = std::max(t0, t);
    else
      t1 = std::min(t1, t);
    if (t0 > t1) return std::nullopt;
  }
  return std::pair{PixelPoint{a.x + t0 * dx, a.y + t0 * dy}, PixelPoint{a.x + t1 * dx, a.y + t1 * dy}};
}

DrawnPoint drawn(PixelPoint p) { return {static_cast<float>(p.x), static_cast<float>(p.y)}; }

// Collects polylines of one stroke as runs of the drawing, clipped to the
// canvas: a polyline that leaves the canvas and comes back makes two runs.
class RunBuilder {
 public:
  RunBuilder(MapDrawing& drawing, Rect clip) : drawing_(drawing), clip_(clip) {}

  void start(MapStroke stroke) {
    stroke_ = stroke;
    open_ = false;
    first_ = true;
  }

  void to(PixelPoint p) {
    if (first_) {
      first_ = false;
      last_ = p;
      return;
    }
    const auto piece = clipped(last_, p, clip_);
    if (!piece) {
      end();
    } else {
      if (!open_ || piece->first.x != last_.x || piece->first.y != last_.y) {
        end();
        begin(piece->first);
      }
      drawing_.vertices.push_back(drawn(piece->second));
      ++drawing_.runs.back().count;
      // A piece cut short has left the canvas.
      if (piece->second.x != p.x || piece->second.y != p.y) end();
    }
    last_ = p;
  }

  void end() { open_ = false; }

 private:
  void begin(PixelPoint p) {
    drawing_.runs.push_back({stroke_, static_cast<std::uint32_t>(drawing_.vertices.size()), 1});
    drawing_.vertices.push_back(drawn(p));
    open_ = true;
  }

  MapDrawing& drawing_;
  Rect clip_;
  MapStroke stroke_ = MapStroke::Coast;
  PixelPoint last_;
  bool open_ = false;
  bool first_ = true;
};

// "10°30'N", "66°O": degrees, then minutes and seconds where the step or
// the value needs them.
std::string angleText(long long seconds, int step, bool latitude) {
  const long long whole = seconds < 0 ? -seconds : seconds;
  std::string text = std::to_string(whole / kSecondsPerDegree) + "°";
  const long long minutes = whole / kSecondsPerMinute % kSecondsPerMinute;
  const long long rest = whole % kSecondsPerMinute;
  const auto twoDigits = [](long long n) { return (n < 10 ? "0" : "") + std::to_string(n); };
  if (step < kSecondsPerDegree || minutes != 0 || rest != 0) text += twoDigits(minutes) + "'";
  if (step < kSecondsPerMinute || rest != 0) text += twoDigits(rest) + "\"";
  if (seconds != 0) text += latitude ? (seconds > 0 ? "N" : "S") : (seconds > 0 ? "E" : "O");
  return text;
}

class Drawer {
 public:
  Drawer(const MapWindowState& map, const CanvasMetrics& canvas)
      : map_(map),
        canvas_(canvas),
        size_(canvas.size),
        area_(shownArea(map.view, canvas.size)),
        width_(canvas.size.width),
        height_(canvas.size.height) {
    drawing_.markerRadius = kMarkerRadius * canvas.scale;
  }

  MapDrawing draw() {
    graticule();
    geoidGrid();
    zones();
    outline();
    markers();
    return std::move(drawing_);
  }

 private:
  PixelPoint at(double latitude, double longitude) const { return toPixel(map_.view, size_, {latitude, longitude}); }

  double textWidth(std::string_view text) const {
    return canvas_.characterWidth * static_cast<double>(characterCount(text)) + kTextGap * canvas_.scale;
  }

  void text(double x, double y, std::string text, MapTextKind kind) {
    drawing_.texts.push_back({drawn({x, y}), std::move(text), kind});
  }

  // A straight line of the map (a meridian, a parallel), clipped to the
  // canvas.
  void line(MapStroke stroke, LatLon from, LatLon to) {
    RunBuilder runs(drawing_, {0.0, 0.0, width_, height_});
    runs.start(stroke);
    runs.to(at(from.latitude, from.longitude));
    runs.to(at(to.latitude, to.longitude));
  }

  void graticule() {
    const double minimum = kGraticuleSpacing * canvas_.scale;
    int step = kGraticuleSteps.back();
    for (const int candidate : kGraticuleSteps) {
      if (candidate / static_cast<double>(kSecondsPerDegree) * map_.view.pixelsPerDegree >= minimum) {
        step = candidate;
        break;
      }
    }
    const double gap = kTextGap * canvas_.scale;
    const auto multiples = [&](double low, double high, auto each) {
      const auto first = static_cast<long long>(std::ceil(low * kSecondsPerDegree / step));
      const auto last = static_cast<long long>(std::floor(high * kSecondsPerDegree / step));
      for (long long k = first; k <= last; ++k) each(k * step);
    };
    multiples(std::max(area_.south, -90.0), std::min(area_.north, 90.0), [&](long long seconds) {
      const double latitude = static_cast<double>(seconds) / kSecondsPerDegree;
      line(MapStroke::Graticule, {latitude, area_.west}, {latitude, area_.east});
      const double y = at(latitude, area_.west).y - canvas_.lineHeight - gap / 2.0;
      if (y >= 0.0) text(gap, y, angleText(seconds, step, true), MapTextKind::Graticule);
    });
    multiples(std::max(area_.west, -180.0), std::min(area_.east, 180.0), [&](long long seconds) {
      const double longitude = static_cast<double>(seconds) / kSecondsPerDegree;
      line(MapStroke::Graticule, {area_.south, longitude}, {area_.north, longitude});
      const double x = at(area_.south, longitude).x + gap;
      text(x, height_ - canvas_.lineHeight - gap, angleText(seconds, step, false), MapTextKind::Graticule);
    });
  }

  void geoidGrid() {
    const GeographicBox& g = kGeoidGridArea;
    RunBuilder runs(drawing_, {0.0, 0.0, width_, height_});
    runs.start(MapStroke::GeoidGrid);
    for (const LatLon corner : {LatLon{g.south, g.west}, LatLon{g.north, g.west}, LatLon{g.north, g.east},
                                LatLon{g.south, g.east}, LatLon{g.south, g.west}})
      runs.to(at(corner.latitude, corner.longitude));
  }

  // The boundaries between the zones, and each zone's number over the
  // middle of the part of it the canvas shows, where there is room.
  void zones() {
    for (int zone = kFirstZone; zone <= kLastZone; ++zone) {
      const double west = zoneWestEdge(zone);
      line(MapStroke::ZoneBoundary, {area_.south, west}, {area_.north, west});
      const double left = std::max(0.0, at(0.0, west).x);
      const double right = std::min(width_, at(0.0, west + kZoneWidth).x);
      const std::string caption = "Huso " + std::to_string(zone);
      const double needed = textWidth(caption);
      if (right - left < needed) continue;
      text((left + right - needed) / 2.0, kTextGap * canvas_.scale, caption, MapTextKind::Zone);
    }
  }

  static MapStroke strokeOf(OutlineLayer layer) {
    switch (layer) {
      case OutlineLayer::Coast:
        return MapStroke::Coast;
      case OutlineLayer::Border:
        return MapStroke::Border;
      case OutlineLayer::StateBorder:
        break;
    }
    return MapStroke::StateBorder;
  }

  // State borders first, then coasts, then international borders over both.
  void outline() {
    const MapOutline& outline = map_.outline;
    RunBuilder runs(drawing_, {-kClipMargin, -kClipMargin, width_ + kClipMargin, height_ + kClipMargin});
    for (const OutlineLayer layer : {OutlineLayer::StateBorder, OutlineLayer::Coast, OutlineLayer::Border}) {
      for (const OutlineLine& line : outline.lines) {
        if (line.layer != layer) continue;
        if (line.east < area_.west || line.west > area_.east || line.north < area_.south || line.south > area_.north)
          continue;
        runs.start(strokeOf(layer));
        PixelPoint kept{};
        for (std::size_t k = 0; k < line.count; ++k) {
          const LatLon& v = outline.vertices[line.first + k];
          const PixelPoint p = at(v.latitude, v.longitude);
          const bool last = k + 1 == line.count;
          if (k > 0 && !last && std::abs(p.x - kept.x) < kVertexSpacing && std::abs(p.y - kept.y) < kVertexSpacing)
            continue;
          runs.to(p);
          kept = p;
        }
      }
    }
  }

  void markers() {
    const double r = drawing_.markerRadius;
    const double cell = std::max(1.0, r);
    const auto columns = static_cast<std::size_t>(width_ / cell) + 1;
    const auto rows = static_cast<std::size_t>(height_ / cell) + 1;
    std::vector<std::int32_t> cells(columns * rows, -1);
    std::vector<std::size_t> taken;  // cells in the order they were first taken
    const std::vector<MapPoint>& points = map_.points;
    for (std::size_t k = 0; k < points.size(); ++k) {
      const PixelPoint p = at(points[k].latitude, points[k].longitude);
      if (!(p.x >= -r && p.x <= width_ + r && p.y >= -r && p.y <= height_ + r)) continue;
      const auto column = static_cast<std::size_t>(std::clamp(p.x / cell, 0.0, static_cast<double>(columns - 1)));
      const auto row = static_cast<std::size_t>(std::clamp(p.y / cell, 0.0, static_cast<double>(rows - 1)));
      std::int32_t& holder = cells[row * columns + column];
      if (holder < 0) {
        holder = static_cast<std::int32_t>(k);
        taken.push_back(row * columns + column);
      } else if (points[k].outside && !points[static_cast<std::size_t>(holder)].outside) {
        holder = static_cast<std::int32_t>(k);
      }
    }
    std::vector<std::size_t> shown;
    shown.reserve(taken.size());
    for (const std::size_t c : taken) shown.push_back(static_cast<std::size_t>(cells[c]));
    // Outside points over the others.
    std::stable_partition(shown.begin(), shown.end(), [&](std::size_t k) { return !points[k].outside; });
    for (const std::size_t k : shown) {
      const PixelPoint p = at(points[k].latitude, points[k].longitude);
      drawing_.markers.push_back({drawn(p), points[k].outside ? MarkerKind::Outside : MarkerKind::Inside});
    }
    if (shown.size() <= kMaxLabelledMarkers) labels(shown);
  }

  // Ids to the right of their markers, outside points first, each where it
  // covers no marker, no Id placed before it and nothing beyond the canvas.
  void labels(const std::vector<std::size_t>& shown) {
    const double r = drawing_.markerRadius;
    const double gap = kTextGap * canvas_.scale;
    std::vector<Rect> taken;
    for (const MapMarker& m : drawing_.markers) taken.push_back({m.at.x - r, m.at.y - r, m.at.x + r, m.at.y + r});
    const std::vector<MapPoint>& points = map_.points;
    for (const bool outside : {true, false}) {
      for (std::size_t i = 0; i < shown.size(); ++i) {
        const MapPoint& point = points[shown[i]];
        if (point.outside != outside || point.id.empty()) continue;
        const DrawnPoint m = drawing_.markers[i].at;
        const Rect box{m.x + r + gap, m.y - canvas_.lineHeight / 2.0, m.x + r + gap + textWidth(point.id),
                       m.y + canvas_.lineHeight / 2.0};
        if (box.top < 0.0 || box.bottom > height_ || box.right > width_ || box.left < 0.0) continue;
        if (std::any_of(taken.begin(), taken.end(), [&](const Rect& other) { return other.overlaps(box); }))
          continue;
        taken.push_back(box);
        text(box.left, box.top, point.id, MapTextKind::PointId);
      }
    }
  }

  const MapWindowState& map_;
  const CanvasMetrics& canvas_;
  CanvasSize size_;
  GeographicBox area_;
  double width_;
  double height_;
  MapDrawing drawing_;
};

}  // namespace

MapStrokeStyle strokeStyle(MapStroke stroke) {
  switch (stroke) {
    case MapStroke::Graticule:
      return {0xD8D8D8, 1.0, false};
    case MapStroke::GeoidGrid:
      return {0x58A058, 1.0, true};
    case MapStroke::ZoneBoundary:
      return {0x9A5FC8, 1.0, true};
    case MapStroke::StateBorder:
      return {0xB89090, 1.0, false};
    case MapStroke::Coast:
      return {0x2A64B4, 1.2, false};
    case MapStroke::Border:
      return {0x303030, 1.5, false};
  }
  return {};
}

MapColour markerColour(MarkerKind kind) { return kind == MarkerKind::Outside ? 0xE07000 : 0xD01818; }

MapColour textColour(MapTextKind kind) {
  switch (kind) {
    case MapTextKind::PointId:
      return 0x202020;
    case MapTextKind::Graticule:
      return 0x808080;
    case MapTextKind::Zone:
      return 0x7A4FA8;
  }
  return 0;
}

MapDrawing drawMap(const MapWindowState& map, const CanvasMetrics& canvas) { return Drawer(map, canvas).draw(); }

}  // namespace brelosta
