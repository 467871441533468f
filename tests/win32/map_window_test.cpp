// The Windows program's map window through its real windows: the sample
// file's points painted inside Venezuela (found on the screen by their
// colour, between the coast and the southern border), the wheel and the
// keys reaching the view, and Cerrar.

#include <cmath>

#include "app/map_drawing.hpp"
#include "window_fixture.hpp"

namespace brelosta {
namespace {

COLORREF gdiColour(MapColour colour) { return RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF); }

// What a window shows on the screen, pixel by pixel (0x00BBGGRR).
class Picture {
 public:
  explicit Picture(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    width_ = r.right;
    height_ = r.bottom;
    HDC screen = GetDC(window);
    HDC copy = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(copy, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, width_, height_, screen, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    pixels_.assign(pixels, pixels + static_cast<std::size_t>(width_) * height_);
    SelectObject(copy, old);
    DeleteObject(bitmap);
    DeleteDC(copy);
    ReleaseDC(window, screen);
  }

  int width() const { return width_; }
  int height() const { return height_; }
  bool is(int x, int y, COLORREF colour) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
    const std::uint32_t p = pixels_[static_cast<std::size_t>(y) * width_ + x];  // 0x00RRGGBB in a DIB
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF) == colour;
  }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

class MapWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    std::filesystem::copy_file(kShippedData / "mapa_venezuela.txt", folder.path() / "mapa_venezuela.txt");
  }

  void openSampleMap() {
    clickOn("M_Archivo");
    pick("Coord_L", "UTM");
    type("Zone_L", "19");
    pick("DATUM_L", "PSAD 56 - La Canoa (2)");
    pick("Formato_L", "Id Norte Este H");
    type("File_L", (kShippedData / "puntos_ejemplo.txt").string());
    clickOn("Ver_Mapa");
    ASSERT_TRUE(pumpUntil([&] { return !program->converting(); }));
    ASSERT_TRUE(shown("Mapa.Ventana"));
  }
};

TEST_F(MapWindowTest, TheSampleFilesPointsShowInsideVenezuela) {
  openSampleMap();
  EXPECT_EQ(textOf("Mapa.Estado"), "5 puntos; 0 fuera del \u00e1rea del datum o de la malla geoidal");
  clickOn("Mapa.Venezuela");
  HWND canvas = window("Mapa.Lienzo");
  SetForegroundWindow(window("Mapa.Ventana"));
  UpdateWindow(canvas);
  pumpUntil([] { return false; }, 0.3);
  const Picture picture(canvas);
  const MapWindowState& map = program->state().Map;
  EXPECT_EQ(map.canvas, (CanvasSize{picture.width(), picture.height()}));

  const COLORREF marker = gdiColour(markerColour(MarkerKind::Inside));
  double sumX = 0.0;
  double sumY = 0.0;
  int count = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (picture.is(x, y, marker)) {
        sumX += x;
        sumY += y;
        ++count;
      }
  ASSERT_GT(count, 10);
  const int mx = static_cast<int>(sumX / count);
  const int my = static_cast<int>(sumY / count);
  const LatLon at = fromPixel(map.view, map.canvas, {static_cast<double>(mx), static_cast<double>(my)});
  EXPECT_NEAR(at.latitude, 10.50, 0.15);
  EXPECT_NEAR(at.longitude, -66.92, 0.15);

  // Just north of them the coast (beside the markers, which cover it), far
  // south of them Venezuela's southern border.
  const double degree = map.view.pixelsPerDegree;
  const auto firstOf = [&](MapColour colour, int step, int beside) {
    for (int y = my; y >= 0 && y < picture.height(); y += step)
      for (const int dx : {-beside, beside})
        if (picture.is(mx + dx, y, gdiColour(colour))) return std::abs(y - my);
    return -1;
  };
  constexpr int beside = 9;  // pixels, past a marker at 96 and 144 DPI
  const int coast = firstOf(strokeStyle(MapStroke::Coast).colour, -1, beside);
  const int border = firstOf(strokeStyle(MapStroke::Border).colour, 1, 0);
  EXPECT_GE(coast, 0);
  EXPECT_LT(coast, 0.3 * degree);
  EXPECT_GT(border, 5.0 * degree);
}

TEST_F(MapWindowTest, TheWheelAndTheKeysMoveTheViewAndCerrarHidesIt) {
  openSampleMap();
  const MapWindowState& map = program->state().Map;
  const MapView fit = map.view;
  HWND canvas = window("Mapa.Lienzo");
  POINT pointer{100, 80};
  ClientToScreen(canvas, &pointer);
  SendMessageW(canvas, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(pointer.x, pointer.y));
  pump();
  EXPECT_DOUBLE_EQ(map.view.pixelsPerDegree, fit.pixelsPerDegree * kZoomStep);
  SendMessageW(canvas, WM_CHAR, L'-', 0);
  pump();
  EXPECT_DOUBLE_EQ(map.view.pixelsPerDegree, fit.pixelsPerDegree);
  clickOn("Mapa.Ajustar");
  EXPECT_EQ(map.view, fit);
  SendMessageW(canvas, WM_KEYDOWN, VK_LEFT, 0);
  pump();
  EXPECT_NEAR(toPixel(map.view, map.canvas, {fit.latitude, fit.longitude}).x,
              map.canvas.width / 2.0 + map.canvas.width / 4.0, 1e-6);
  clickOn("Mapa.Cerrar");
  EXPECT_FALSE(shown("Mapa.Ventana"));
}

}  // namespace
}  // namespace brelosta
