#pragma once

#include <windows.h>

#include <functional>

#include "app/map_drawing.hpp"
#include "app/map_window.hpp"

namespace brelosta {

// The map's canvas, a window class of its own ("BrelostaMapCanvas", which
// the map dialog's template names): paints the drawing list of the map
// window's state, double-buffered, and hands the wheel, drags, keys and its
// size to the program. While the state may not be read (a conversion thread
// writes it) it paints the last list it made.
class MapCanvasWindow {
 public:
  // Registers the window class; before the dialog that holds one is made.
  static void registerClass();

  MapCanvasWindow(HWND window, const MapWindowState& map);
  ~MapCanvasWindow();
  MapCanvasWindow(const MapCanvasWindow&) = delete;
  MapCanvasWindow& operator=(const MapCanvasWindow&) = delete;

  std::function<bool()> stateReadable;
  std::function<void(double steps, PixelPoint pointer)> wheelTurned;
  std::function<void(double dx, double dy)> dragged;
  std::function<void(MapArrow arrow)> arrowPressed;
  std::function<void(bool nearer)> zoomKeyPressed;
  std::function<void(CanvasSize size)> resized;

  HWND window() const { return window_; }
  CanvasSize size() const;
  CanvasMetrics metrics() const;
  // Paints again from the state.
  void repaint() const { InvalidateRect(window_, nullptr, FALSE); }
  // The wheel turned over the map's window, at a position on the screen.
  void wheel(int delta, POINT screen);

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
  void paint();
  HFONT font() const;

  HWND window_;
  const MapWindowState& map_;
  MapDrawing drawing_;
  POINT dragFrom_{};
  bool dragging_ = false;
};

}  // namespace brelosta
