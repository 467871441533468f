#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "app/app.hpp"
#include "app/map_point.hpp"
#include "app/map_view.hpp"

namespace brelosta {

// The map window: the points of the source file (file mode) or of both
// panels (point mode) in WGS84 over Venezuela's outline, with the view the
// user zooms and moves. Its state is MapWindowState; the front ends draw
// drawMap() of it and forward the pointer and the keys here.

// Herramientas › Mapa and the button Ver_Mapa: reads the points (and, the
// first time, the outline), shows the window and fits the view to the
// points, or to Venezuela when there are none. In file mode a desktop front
// end runs it on its conversion thread.
void openMap(App& app);

void zoomMapIn(App& app);       // Mapa.Mas, the + key
void zoomMapOut(App& app);      // Mapa.Menos, the - key
void fitMapToPoints(App& app);  // Mapa.Ajustar
void fitMapToVenezuela(App& app);  // Mapa.Venezuela
void closeMap(App& app);        // Mapa.Cerrar

// The wheel turned by `steps` notches (positive away from the user: nearer)
// with the pointer at `pointer`.
void turnMapWheel(App& app, double steps, PixelPoint pointer);
// The pointer dragged by dx, dy pixels with the button held.
void dragMap(App& app, double dx, double dy);
// The arrow keys move the view by a quarter of the canvas.
enum class MapArrow { Left, Right, Up, Down };
void moveMap(App& app, MapArrow arrow);
// The canvas has a new size (pixels).
void resizeMap(App& app, CanvasSize size);

// Mapa.Abrir_KML "Abrir en Google Earth": the points in a KML file in the
// temporary folder, opened with the system's viewer.
void openMapInGoogleEarth(App& app);

// Writes the points as a KML file; false, with why in `problem`, when it
// could not.
bool writeMapKml(const std::filesystem::path& file, const std::vector<MapPoint>& points, std::string& problem);

}  // namespace brelosta
