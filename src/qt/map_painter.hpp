#pragma once

#include <QPainter>

#include "app/map_drawing.hpp"

namespace brelosta {

// Paints a map's drawing list: a white ground, the strokes in their styles,
// the markers, the texts (the points' Ids on a light ground that keeps them
// readable over the lines). `scale` widens lines and markers as the canvas
// metrics did.
void paintMap(QPainter& painter, const MapDrawing& drawing, double scale);

}  // namespace brelosta
