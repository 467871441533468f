#include "app/map_window.hpp"

#include <algorithm>
#include <cmath>
#include <variant>

#include "app/map_points.hpp"
#include "app/messages.hpp"
#include "core/path_text.hpp"
#include "core/picture_format.hpp"
#include "core/text_file.hpp"
#include "formats/epsg_systems.hpp"
#include "formats/kml_file.hpp"
#include "formats/map_outline.hpp"

namespace brelosta {
namespace {

// Mainland Venezuela and its islands, as "Venezuela" shows them.
constexpr GeographicBox kVenezuelaFrame{0.5, 12.6, -73.5, -59.5};
// Pixels left free around the points a fit shows.
constexpr double kFitMargin = 24.0;
// A fit comes no nearer than this, pixels per degree (about 55 m a pixel):
// one point, or points a few metres apart, are shown with some 40 km of
// country around them.
constexpr double kClosestFit = 2000.0;
constexpr std::string_view kKmlFileName = "brelosta-mapa.kml";
// The points' degrees in the KML description, to 0.1 mm.
constexpr Picture kDecimalDegrees = parsePicture("0.000000000");

std::string counted(std::size_t n, std::string_view one, std::string_view many) {
  return std::to_string(n) + " " + std::string(n == 1 ? one : many);
}

std::string statusText(const std::vector<MapPoint>& points) {
  if (points.empty()) return "Ningún punto que mostrar";
  const auto outside = static_cast<std::size_t>(
      std::count_if(points.begin(), points.end(), [](const MapPoint& p) { return p.outside; }));
  return counted(points.size(), "punto", "puntos") + "; " + std::to_string(outside) +
         " fuera del área del datum o de la malla geoidal";
}

// The one thing the window says went wrong, the gravest first.
std::string noticeText(const MapReading& reading, bool fileMode, const std::string& outlineProblem) {
  if (!reading.failure.empty()) return reading.failure;
  if (reading.cancelled) return "Lectura cancelada: se muestran los puntos leídos hasta entonces";
  if (reading.unplaced > 0) {
    const std::string what = fileMode ? counted(reading.unplaced, "registro", "registros")
                                      : counted(reading.unplaced, "panel", "paneles");
    return what + " sin posición" + (reading.unplaced == 1 ? ": " : "; el primero: ") + reading.firstProblem;
  }
  if (!outlineProblem.empty()) return "No se pudo leer el contorno del mapa: " + outlineProblem;
  return {};
}

// Reads the outline once; what is wrong with it, or "".
std::string readOutline(MainWindowState& state) {
  MapWindowState& map = state.Map;
  if (map.outlineRead) return {};
  std::filesystem::path path = pathFromUtf8(state.mapOutline);
  // Only a name without a root is the working folder's: on Windows a path
  // rooted on the current drive ("/data/...") is not absolute, yet is no
  // working folder's file either.
  if (!path.has_root_directory()) path = pathFromUtf8(state.workingFolder) / path;
  auto read = readMapOutline(path);
  if (auto* problem = std::get_if<std::string>(&read)) return *problem;
  map.outline = std::move(std::get<MapOutline>(read));
  map.outlineRead = true;
  return {};
}

GeographicBox pointsBox(const std::vector<MapPoint>& points) {
  GeographicBox box{points.front().latitude, points.front().latitude, points.front().longitude,
                    points.front().longitude};
  for (const MapPoint& p : points) {
    box.south = std::min(box.south, p.latitude);
    box.north = std::max(box.north, p.latitude);
    box.west = std::min(box.west, p.longitude);
    box.east = std::max(box.east, p.longitude);
  }
  return box;
}

void fitTo(MapWindowState& map, const GeographicBox& box) {
  map.view = fitted(box, map.canvas, kFitMargin, kClosestFit);
  map.fittedBox = box;
}

PixelPoint middle(CanvasSize canvas) { return {canvas.width / 2.0, canvas.height / 2.0}; }

// A view the user moved no longer follows its fit.
void moveView(MapWindowState& map, const MapView& view) {
  map.view = view;
  map.fittedBox.reset();
}

// The wait cursor while the points are read, off again on any exit.
class WaitCursor {
 public:
  explicit WaitCursor(Toolkit& toolkit) : toolkit_(toolkit) { toolkit_.setWaitCursor(true); }
  ~WaitCursor() { toolkit_.setWaitCursor(false); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  Toolkit& toolkit_;
};

}  // namespace

void openMap(App& app) {
  MainWindowState& state = app.state;
  MapWindowState& map = state.Map;
  const bool fileMode = state.M_Archivo.checked();
  const std::string outlineProblem = readOutline(state);
  MapReading reading;
  {
    const WaitCursor waiting(app.toolkit);
    reading = fileMode ? readFilePoints(app) : readPanelPoints(app);
  }
  map.points = std::move(reading.points);
  map.Fuente.text = reading.source;
  map.Estado.text = statusText(map.points);
  map.Aviso.text = noticeText(reading, fileMode, outlineProblem);
  map.Ajustar.enabled = !map.points.empty();
  map.Abrir_KML.enabled = !map.points.empty();
  fitTo(map, map.points.empty() ? kVenezuelaFrame : pointsBox(map.points));
  map.Ventana.visible = true;
}

void zoomMapIn(App& app) {
  MapWindowState& map = app.state.Map;
  moveView(map, zoomed(map.view, map.canvas, kZoomStep, middle(map.canvas)));
}

void zoomMapOut(App& app) {
  MapWindowState& map = app.state.Map;
  moveView(map, zoomed(map.view, map.canvas, 1.0 / kZoomStep, middle(map.canvas)));
}

void fitMapToPoints(App& app) {
  MapWindowState& map = app.state.Map;
  if (!map.points.empty()) fitTo(map, pointsBox(map.points));
}

void fitMapToVenezuela(App& app) { fitTo(app.state.Map, kVenezuelaFrame); }

void closeMap(App& app) { app.state.Map.Ventana.visible = false; }

void turnMapWheel(App& app, double steps, PixelPoint pointer) {
  MapWindowState& map = app.state.Map;
  moveView(map, zoomed(map.view, map.canvas, std::pow(kZoomStep, steps), pointer));
}

void dragMap(App& app, double dx, double dy) {
  MapWindowState& map = app.state.Map;
  moveView(map, panned(map.view, dx, dy));
}

void moveMap(App& app, MapArrow arrow) {
  MapWindowState& map = app.state.Map;
  const double across = map.canvas.width / 4.0;
  const double down = map.canvas.height / 4.0;
  switch (arrow) {
    case MapArrow::Left:
      return dragMap(app, across, 0.0);
    case MapArrow::Right:
      return dragMap(app, -across, 0.0);
    case MapArrow::Up:
      return dragMap(app, 0.0, down);
    case MapArrow::Down:
      return dragMap(app, 0.0, -down);
  }
}

void resizeMap(App& app, CanvasSize size) {
  MapWindowState& map = app.state.Map;
  map.canvas = {std::max(1, size.width), std::max(1, size.height)};
  if (map.fittedBox) fitTo(map, *map.fittedBox);
}

void openMapInGoogleEarth(App& app) {
  const MapWindowState& map = app.state.Map;
  if (map.points.empty()) return;
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
  const std::filesystem::path file = folder / kKmlFileName;
  std::string problem;
  if (error) {
    showWarning(app, "No se pudo escribir el archivo KML", "No se encontró la carpeta temporal");
    return;
  }
  if (!writeMapKml(file, map.points, problem)) {
    showWarning(app, problem);
    return;
  }
  if (!app.toolkit.openWithViewer(file))
    showWarning(app, "No se pudo abrir el archivo KML",
                "Ningún programa del sistema abre " + utf8FromPath(file) + " (¿está instalado Google Earth?)");
}

// The map's points as the KML output format writes a geographic target on
// WGS84: each a Placemark named by its Id, on the ground.
bool writeMapKml(const std::filesystem::path& file, const std::vector<MapPoint>& points, std::string& problem) {
  problem = "No se pudo escribir el archivo KML\nNo se puede escribir el archivo " + utf8FromPath(file);
  const RecordFamily family = RecordFamily::GeographicDecimal;
  const auto plan = recordPlan("Id LAT LON", family);
  if (!plan) return false;
  AtomicFileWriter writer(file);
  OutputSink sink([&](std::string_view bytes) { writer.write(bytes); }, OutputEncoding::Utf8);
  KmlWriter kml(*plan, family, utf8FromPath(file.filename()), false);
  TargetSystem system{"Geográficas, WGS84", std::nullopt};
  if (const auto epsg = epsgSystem(kReferenceDatum, std::nullopt)) system.epsg = epsg->code;
  kml.head(sink);
  std::array<Field, kMaxSlots> values{};
  std::string latitude;
  std::string longitude;
  std::size_t number = 0;
  for (const MapPoint& p : points) {
    latitude = formatPicture(p.latitude, kDecimalDegrees, NumberFormat::point());
    longitude = formatPicture(p.longitude, kDecimalDegrees, NumberFormat::point());
    values[0] = Field{Field::Type::Text, latitude, p.latitude};
    values[1] = Field{Field::Type::Text, longitude, p.longitude};
    OutputPoint point;
    point.number = ++number;
    point.id = p.id;
    point.values = &values;
    point.converted = true;
    point.wgs84 = GeodeticPosition{p.latitude, p.longitude, 0.0};
    point.system = &system;
    kml.point(sink, point);
  }
  kml.end(sink);
  sink.finish();
  return writer.commit();
}

}  // namespace brelosta
