#pragma once

#include <QWidget>
#include <functional>

#include "app/map_drawing.hpp"
#include "app/map_window.hpp"
#include "qt/secondary_window.hpp"
#include "qt/widget_binder.hpp"

namespace brelosta {

// The map's canvas: paints the drawing list of the map window's state and
// hands the wheel, drags, keys and its size to the program. While the state
// may not be read (a conversion thread writes it) it paints the last list it
// made.
class MapCanvas : public QWidget {
 public:
  explicit MapCanvas(const MapWindowState& map);

  std::function<bool()> stateReadable;
  std::function<void(double steps, PixelPoint pointer)> wheelTurned;
  std::function<void(double dx, double dy)> dragged;
  std::function<void(MapArrow arrow)> arrowPressed;
  std::function<void(bool nearer)> zoomKeyPressed;
  std::function<void(CanvasSize size)> resized;

  // The canvas as the drawing list measures it.
  CanvasMetrics metrics() const;
  // The list painted last.
  const MapDrawing& drawing() const { return drawing_; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  const MapWindowState& map_;
  MapDrawing drawing_;
  QPointF dragFrom_;
  bool dragging_ = false;
};

// The map window: the zoom and fit buttons, Google Earth and Cerrar over
// the canvas, where the points come from above it, and the status lines
// below.
SecondaryWindow* buildMapWindow(MapWindowState& state, WidgetBinder& binder, QWidget* parent);

}  // namespace brelosta
