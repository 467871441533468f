#include "qt/map_window.hpp"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "qt/map_painter.hpp"
#include "qt/pictures.hpp"

namespace brelosta {
namespace {

// A notch of a mouse wheel, in the eighths of a degree Qt counts.
constexpr double kWheelNotch = 120.0;

QLabel* plainLabel() {
  auto* label = new QLabel;
  label->setTextFormat(Qt::PlainText);
  return label;
}

}  // namespace

MapCanvas::MapCanvas(const MapWindowState& map) : map_(map) {
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(200, 150);
  setCursor(Qt::OpenHandCursor);
}

CanvasMetrics MapCanvas::metrics() const {
  const QFontMetricsF font(this->font());
  return {{width(), height()}, font.averageCharWidth(), font.height(), 1.0};
}

QSize MapCanvas::sizeHint() const { return {kMapCanvasSize.width, kMapCanvasSize.height}; }

void MapCanvas::paintEvent(QPaintEvent* /*event*/) {
  if (!stateReadable || stateReadable()) drawing_ = drawMap(map_, metrics());
  QPainter painter(this);
  paintMap(painter, drawing_, 1.0);
}

void MapCanvas::wheelEvent(QWheelEvent* event) {
  if (wheelTurned) wheelTurned(event->angleDelta().y() / kWheelNotch, {event->position().x(), event->position().y()});
  event->accept();
}

void MapCanvas::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = true;
  dragFrom_ = event->position();
  setCursor(Qt::ClosedHandCursor);
}

void MapCanvas::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return;
  const QPointF to = event->position();
  const QPointF by = to - dragFrom_;
  dragFrom_ = to;
  if (dragged) dragged(by.x(), by.y());
}

void MapCanvas::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = false;
  setCursor(Qt::OpenHandCursor);
}

void MapCanvas::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      if (zoomKeyPressed) zoomKeyPressed(true);
      return;
    case Qt::Key_Minus:
      if (zoomKeyPressed) zoomKeyPressed(false);
      return;
    case Qt::Key_Left:
      if (arrowPressed) arrowPressed(MapArrow::Left);
      return;
    case Qt::Key_Right:
      if (arrowPressed) arrowPressed(MapArrow::Right);
      return;
    case Qt::Key_Up:
      if (arrowPressed) arrowPressed(MapArrow::Up);
      return;
    case Qt::Key_Down:
      if (arrowPressed) arrowPressed(MapArrow::Down);
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

void MapCanvas::resizeEvent(QResizeEvent* /*event*/) {
  if (resized) resized({width(), height()});
}

SecondaryWindow* buildMapWindow(MapWindowState& state, WidgetBinder& binder, QWidget* parent) {
  auto* window = binder.bind(state.Ventana, new SecondaryWindow(parent));
  window->setWindowIcon(globeIcon());
  // A window the user makes as large as the screen allows.
  window->setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  window->setSizeGripEnabled(true);
  auto* layout = new QVBoxLayout(window);

  auto* commands = new QHBoxLayout;
  const auto button = [&](Control& control) {
    auto* pushButton = binder.bind(control, new QPushButton);
    pushButton->setAutoDefault(false);
    pushButton->setFocusPolicy(Qt::TabFocus);
    commands->addWidget(pushButton);
    return pushButton;
  };
  for (Control* control : {&state.Mas, &state.Menos}) {
    QPushButton* zoom = button(*control);
    zoom->setFixedWidth(zoom->fontMetrics().height() * 2);
  }
  button(state.Ajustar);
  button(state.Venezuela);
  button(state.Abrir_KML);
  commands->addStretch();
  button(state.Cerrar);
  layout->addLayout(commands);

  layout->addWidget(binder.bind(state.Fuente, plainLabel()));
  layout->addWidget(binder.bind(state.Lienzo, new MapCanvas(state)), 1);
  layout->addWidget(binder.bind(state.Estado, plainLabel()));
  QLabel* notice = binder.bind(state.Aviso, plainLabel());
  notice->setWordWrap(true);
  layout->addWidget(notice);
  return window;
}

}  // namespace brelosta
