// The map of any content: read as an outline file, every polyline has at
// least two vertices of its own inside its box; read as a point file in file
// mode (grid or geographic, a layout from the first byte), no message box
// shows, every record gives a point or is counted, and the drawing list for
// a view from the next bytes keeps its vertices and markers on the canvas.

#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <variant>

#include "app/commands.hpp"
#include "app/map_drawing.hpp"
#include "app/map_window.hpp"
#include "formats/map_outline.hpp"
#include "formats/point_file.hpp"
#include "started_window.hpp"

using namespace brelosta;
namespace fs = std::filesystem;

namespace {

void checkOutline(std::string_view text) {
  const auto parsed = parseMapOutline(text);
  const auto* outline = std::get_if<MapOutline>(&parsed);
  if (outline == nullptr) return;
  std::size_t next = 0;
  for (const OutlineLine& line : outline->lines) {
    if (line.count < 2 || line.first != next) std::abort();
    next += line.count;
    for (std::size_t k = line.first; k < line.first + line.count; ++k) {
      const LatLon& v = outline->vertices[k];
      if (v.longitude < line.west || v.longitude > line.east || v.latitude < line.south || v.latitude > line.north)
        std::abort();
    }
  }
  if (next != outline->vertices.size()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  const std::string_view content(reinterpret_cast<const char*>(data + 3), size - 3);
  checkOutline(content);

  MainWindowState state = startedState();
  RecordingToolkit toolkit;
  App app{state, toolkit};
  click(app, state.M_Archivo);
  const bool grid = (data[0] & 1) != 0;
  selectText(app, state.Coord_L, grid ? "UTM" : "Geográficas");
  if (grid) state.Zone_L.text = "19";
  selectIndex(app, state.Formato_L, (data[0] >> 1) % 8);
  static const fs::path file = fs::temp_directory_path() / ("brelosta-map-" + std::to_string(::getpid()));
  std::ofstream(file, std::ios::binary).write(content.data(), static_cast<std::streamsize>(content.size()));
  state.File_L.text = file.string();
  click(app, state.Ver_Mapa);
  if (!toolkit.messages.empty()) std::abort();
  const auto records = PointFile::open(file);
  if (records && state.Map.points.size() > records->size()) std::abort();

  // A view anywhere from the equator to 40 N and 80 to 50 W, from the whole
  // continent to a few metres a pixel.
  MapWindowState& map = state.Map;
  map.view = {data[1] % 40 * 1.0, -80.0 + data[2] % 30, std::pow(2.0, data[1] % 17 + 1)};
  const CanvasMetrics canvas{map.canvas, 7.0, 14.0, 1.0};
  const MapDrawing drawing = drawMap(map, canvas);
  const double w = canvas.size.width;
  const double h = canvas.size.height;
  for (const DrawnPoint& v : drawing.vertices)
    if (v.x < -3.0 || v.x > w + 3.0 || v.y < -3.0 || v.y > h + 3.0) std::abort();
  for (const MapMarker& m : drawing.markers) {
    const double r = drawing.markerRadius;
    if (m.at.x < -r || m.at.x > w + r || m.at.y < -r || m.at.y > h + r) std::abort();
  }
  return 0;
}
