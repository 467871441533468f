#include "win32/map_canvas.hpp"

#include <windowsx.h>

#include "win32/map_painter.hpp"

namespace brelosta {
namespace {

constexpr const wchar_t* kCanvasClass = L"BrelostaMapCanvas";
// A notch of a mouse wheel.
constexpr double kWheelNotch = WHEEL_DELTA;
constexpr double kScreenDpi = 96.0;

}  // namespace

void MapCanvasWindow::registerClass() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW windowClass{};
  if (GetClassInfoW(instance, kCanvasClass, &windowClass)) return;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_HAND);
  windowClass.lpszClassName = kCanvasClass;
  RegisterClassW(&windowClass);
}

MapCanvasWindow::MapCanvasWindow(HWND window, const MapWindowState& map) : window_(window), map_(map) {
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

MapCanvasWindow::~MapCanvasWindow() { SetWindowLongPtrW(window_, GWLP_USERDATA, 0); }

LRESULT CALLBACK MapCanvasWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* canvas = reinterpret_cast<MapCanvasWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (canvas == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return canvas->handle(message, wParam, lParam);
}

CanvasSize MapCanvasWindow::size() const {
  RECT r;
  GetClientRect(window_, &r);
  return {r.right - r.left, r.bottom - r.top};
}

HFONT MapCanvasWindow::font() const {
  return reinterpret_cast<HFONT>(SendMessageW(GetParent(window_), WM_GETFONT, 0, 0));
}

CanvasMetrics MapCanvasWindow::metrics() const {
  HDC dc = GetDC(window_);
  const HGDIOBJ old = SelectObject(dc, font());
  TEXTMETRICW text{};
  GetTextMetricsW(dc, &text);
  const double scale = GetDeviceCaps(dc, LOGPIXELSX) / kScreenDpi;
  SelectObject(dc, old);
  ReleaseDC(window_, dc);
  return {size(), static_cast<double>(text.tmAveCharWidth), static_cast<double>(text.tmHeight), scale};
}

void MapCanvasWindow::paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window_, &ps);
  const CanvasMetrics canvas = metrics();
  if (!stateReadable || stateReadable()) drawing_ = drawMap(map_, canvas);
  const int width = canvas.size.width;
  const int height = canvas.size.height;
  // Drawn aside, then copied in one piece: no flicker.
  HDC aside = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
  const HGDIOBJ old = SelectObject(aside, bitmap);
  paintMap(aside, width, height, drawing_, canvas.scale, font());
  BitBlt(dc, 0, 0, width, height, aside, 0, 0, SRCCOPY);
  SelectObject(aside, old);
  DeleteObject(bitmap);
  DeleteDC(aside);
  EndPaint(window_, &ps);
}

void MapCanvasWindow::wheel(int delta, POINT screen) {
  ScreenToClient(window_, &screen);
  if (wheelTurned) wheelTurned(delta / kWheelNotch, {static_cast<double>(screen.x), static_cast<double>(screen.y)});
}

LRESULT MapCanvasWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint covers everything
    case WM_SIZE:
      if (resized) resized(size());
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN:
      SetFocus(window_);
      SetCapture(window_);
      dragging_ = true;
      dragFrom_ = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      return 0;
    case WM_MOUSEMOVE:
      if (dragging_) {
        const POINT to{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        const double dx = to.x - dragFrom_.x;
        const double dy = to.y - dragFrom_.y;
        dragFrom_ = to;
        if (dragged && (dx != 0.0 || dy != 0.0)) dragged(dx, dy);
      }
      return 0;
    case WM_LBUTTONUP:
      ReleaseCapture();
      return 0;
    case WM_CAPTURECHANGED:
      dragging_ = false;
      return 0;
    case WM_MOUSEWHEEL:
      wheel(GET_WHEEL_DELTA_WPARAM(wParam), {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_CHAR:
      if ((wParam == L'+' || wParam == L'=' || wParam == L'-') && zoomKeyPressed) zoomKeyPressed(wParam != L'-');
      return 0;
    case WM_KEYDOWN:
      if (!arrowPressed) return 0;
      if (wParam == VK_LEFT) arrowPressed(MapArrow::Left);
      if (wParam == VK_RIGHT) arrowPressed(MapArrow::Right);
      if (wParam == VK_UP) arrowPressed(MapArrow::Up);
      if (wParam == VK_DOWN) arrowPressed(MapArrow::Down);
      return 0;
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

}  // namespace brelosta
