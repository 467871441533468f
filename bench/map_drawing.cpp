// brelosta-map-bench: times the map window's work on a large point file:
// reading the file and taking every record to WGS84 (what the conversion
// thread does when the map opens), building the drawing list for some views
// and, with Qt, painting it into an image as the canvas does.
//
//   brelosta-map-bench --workdir DIR --file FILE [--repeats N]
//
// DIR holds datum.txt, elipsoide.txt and mapa_venezuela.txt; FILE is "Id
// Norte Este H" in UTM zone 19 on "PSAD 56 - La Canoa (2)" (as
// brelosta-genpoints writes it). Prints the best of N runs of each step, in
// milliseconds, and whether reading, drawing and painting together stay
// under a second.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "app/commands.hpp"
#include "app/map_drawing.hpp"
#include "app/map_window.hpp"
#include "app/recording_toolkit.hpp"
#include "app/startup.hpp"
#include "qt/map_painter.hpp"

namespace {

using namespace brelosta;

double bestMilliseconds(int repeats, const std::function<void()>& step) {
  double best = 1e300;
  for (int k = 0; k < repeats; ++k) {
    const auto start = std::chrono::steady_clock::now();
    step();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    best = std::min(best, took.count());
  }
  return best;
}

struct Canvas {
  const char* name;
  CanvasSize size;
};

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  std::string workdir;
  std::string file;
  int repeats = 5;
  for (int k = 1; k + 1 < argc; k += 2) {
    const std::string option = argv[k];
    if (option == "--workdir") workdir = argv[k + 1];
    if (option == "--file") file = argv[k + 1];
    if (option == "--repeats") repeats = std::max(1, std::stoi(argv[k + 1]));
  }
  if (workdir.empty() || file.empty()) {
    std::fputs("Uso: brelosta-map-bench --workdir CARPETA --file ARCHIVO [--repeats N]\n", stderr);
    return 2;
  }

  MainWindowState state;
  RecordingToolkit toolkit;
  App app{state, toolkit};
  startUp(app, workdir);
  click(app, state.M_Archivo);
  selectText(app, state.Coord_L, "UTM");
  state.Zone_L.text = "19";
  selectText(app, state.DATUM_L, "PSAD 56 - La Canoa (2)");
  selectText(app, state.Formato_L, "Id Norte Este H");
  state.File_L.text = file;

  const double reading = bestMilliseconds(repeats, [&] { click(app, state.Ver_Mapa); });
  std::printf("%s\n%s\n", state.Map.Estado.text.c_str(), state.Map.Aviso.text.c_str());
  std::printf("lectura y paso a WGS84 de %zu puntos: %.1f ms\n", state.Map.points.size(), reading);

  double worst = 0.0;
  for (const Canvas canvas : {Canvas{"760x520", {760, 520}}, Canvas{"1920x1080", {1920, 1080}}}) {
    resizeMap(app, canvas.size);
    const CanvasMetrics metrics{canvas.size, 7.0, 15.0, 1.0};
    QImage image(canvas.size.width, canvas.size.height, QImage::Format_ARGB32_Premultiplied);
    const struct {
      const char* name;
      std::function<void()> set;
    } views[] = {
        {"ajustada a los puntos", [&] { fitMapToPoints(app); }},
        {"Venezuela", [&] { fitMapToVenezuela(app); }},
        {"cinco pasos más cerca", [&] {
           fitMapToPoints(app);
           for (int k = 0; k < 5; ++k) zoomMapIn(app);
         }},
    };
    for (const auto& view : views) {
      view.set();
      MapDrawing drawing;
      const double listing = bestMilliseconds(repeats, [&] { drawing = drawMap(state.Map, metrics); });
      const double painting = bestMilliseconds(repeats, [&] {
        QPainter painter(&image);
        paintMap(painter, drawing, 1.0);
      });
      std::printf("%-9s %-22s lista %7.1f ms (%zu marcas, %zu vértices, %zu textos), pintura %7.1f ms\n",
                  canvas.name, view.name, listing, drawing.markers.size(), drawing.vertices.size(),
                  drawing.texts.size(), painting);
      worst = std::max(worst, listing + painting);
    }
  }
  const double total = reading + worst;
  std::printf("lectura + la vista más lenta: %.1f ms (meta < 1000 ms: %s)\n", total,
              total < 1000.0 ? "cumple" : "NO cumple");
  return total < 1000.0 ? 0 : 1;
}
