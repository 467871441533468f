#include "win32/map_painter.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

#include "win32/wide_text.hpp"

namespace brelosta {
namespace {

COLORREF gdiColour(MapColour colour) { return RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF); }

constexpr double kOpenMarkerPen = 1.6;  // pixels at 100 %

int pixels(double value) { return static_cast<int>(std::lround(value)); }

// A pen of a width in pixels, dashed or solid, with flat ends so that the
// dashes keep their lengths.
HPEN strokePen(const MapStrokeStyle& style, double scale) {
  LOGBRUSH brush{BS_SOLID, gdiColour(style.colour), 0};
  const DWORD width = static_cast<DWORD>(std::max(1, pixels(style.width * scale)));
  const DWORD kind = style.dashed ? PS_DASH : PS_SOLID;
  return ExtCreatePen(PS_GEOMETRIC | kind | PS_ENDCAP_FLAT | PS_JOIN_ROUND, width, &brush, 0, nullptr);
}

}  // namespace

void paintMap(HDC dc, int width, int height, const MapDrawing& drawing, double scale, HFONT font) {
  const RECT all{0, 0, width, height};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  const HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
  const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  const HGDIOBJ oldFont = SelectObject(dc, font);

  std::vector<POINT> line;
  for (const MapRun& run : drawing.runs) {
    const HPEN pen = strokePen(strokeStyle(run.stroke), scale);
    SelectObject(dc, pen);
    line.resize(run.count);
    for (std::uint32_t k = 0; k < run.count; ++k) {
      const DrawnPoint& p = drawing.vertices[run.first + k];
      line[k] = {pixels(p.x), pixels(p.y)};
    }
    Polyline(dc, line.data(), static_cast<int>(line.size()));
    SelectObject(dc, GetStockObject(BLACK_PEN));
    DeleteObject(pen);
  }

  const int r = std::max(1, pixels(drawing.markerRadius));
  const HBRUSH inside = CreateSolidBrush(gdiColour(markerColour(MarkerKind::Inside)));
  SelectObject(dc, GetStockObject(NULL_PEN));
  SelectObject(dc, inside);
  for (const MapMarker& m : drawing.markers) {
    if (m.kind != MarkerKind::Inside) continue;
    const int x = pixels(m.at.x);
    const int y = pixels(m.at.y);
    // The null pen leaves the right and bottom edges out: one pixel more.
    Ellipse(dc, x - r, y - r, x + r + 1, y + r + 1);
  }
  const HPEN outside = CreatePen(PS_SOLID, std::max(1, pixels(kOpenMarkerPen * scale)),
                                 gdiColour(markerColour(MarkerKind::Outside)));
  SelectObject(dc, outside);
  SelectObject(dc, GetStockObject(NULL_BRUSH));
  for (const MapMarker& m : drawing.markers) {
    if (m.kind != MarkerKind::Outside) continue;
    const int x = pixels(m.at.x);
    const int y = pixels(m.at.y);
    Rectangle(dc, x - r, y - r, x + r + 1, y + r + 1);
  }
  SelectObject(dc, GetStockObject(NULL_PEN));
  DeleteObject(inside);
  DeleteObject(outside);

  for (const MapText& text : drawing.texts) {
    const std::wstring shown = wideText(text.text);
    SetTextColor(dc, gdiColour(textColour(text.kind)));
    SetBkColor(dc, RGB(255, 255, 255));
    SetBkMode(dc, text.kind == MapTextKind::PointId ? OPAQUE : TRANSPARENT);
    TextOutW(dc, pixels(text.at.x), pixels(text.at.y), shown.c_str(), static_cast<int>(shown.size()));
  }

  SelectObject(dc, oldFont);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
}

}  // namespace brelosta
