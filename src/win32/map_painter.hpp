#pragma once

#include <windows.h>

#include "app/map_drawing.hpp"

namespace brelosta {

// Paints a map's drawing list with GDI on a device context of `width` by
// `height` pixels: a white ground, the strokes in their styles, the
// markers, the texts in `font` (the points' Ids on a white ground that keeps
// them readable over the lines). `scale` widens lines and markers as the
// canvas metrics did.
void paintMap(HDC dc, int width, int height, const MapDrawing& drawing, double scale, HFONT font);

}  // namespace brelosta
