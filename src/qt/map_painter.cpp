#include "qt/map_painter.hpp"

#include <QPolygonF>
#include <vector>

#include "qt/control_view.hpp"

namespace brelosta {
namespace {

QColor qtColour(MapColour colour) { return QColor::fromRgb(static_cast<QRgb>(colour)); }

// The Ids' ground: white, letting a little of what lies under show.
constexpr int kTextGroundAlpha = 210;
constexpr double kOpenMarkerPen = 1.6;  // pixels at 100 %

}  // namespace

void paintMap(QPainter& painter, const MapDrawing& drawing, double scale) {
  painter.fillRect(painter.window(), Qt::white);
  painter.setRenderHint(QPainter::Antialiasing, true);

  QPolygonF line;
  for (const MapRun& run : drawing.runs) {
    const MapStrokeStyle style = strokeStyle(run.stroke);
    QPen pen(qtColour(style.colour), style.width * scale);
    pen.setStyle(style.dashed ? Qt::DashLine : Qt::SolidLine);
    painter.setPen(pen);
    line.resize(run.count);
    for (std::uint32_t k = 0; k < run.count; ++k) {
      const DrawnPoint& p = drawing.vertices[run.first + k];
      line[k] = QPointF(p.x, p.y);
    }
    painter.drawPolyline(line);
  }

  const double r = drawing.markerRadius;
  painter.setPen(Qt::NoPen);
  painter.setBrush(qtColour(markerColour(MarkerKind::Inside)));
  for (const MapMarker& m : drawing.markers)
    if (m.kind == MarkerKind::Inside) painter.drawEllipse(QPointF(m.at.x, m.at.y), r, r);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(qtColour(markerColour(MarkerKind::Outside)), kOpenMarkerPen * scale));
  for (const MapMarker& m : drawing.markers)
    if (m.kind == MarkerKind::Outside) painter.drawRect(QRectF(m.at.x - r, m.at.y - r, 2 * r, 2 * r));

  const QFontMetricsF metrics(painter.font());
  for (const MapText& text : drawing.texts) {
    const QString shown = qtText(text.text);
    const QRectF box(text.at.x, text.at.y, metrics.horizontalAdvance(shown) + 2.0, metrics.height());
    if (text.kind == MapTextKind::PointId) painter.fillRect(box, QColor(255, 255, 255, kTextGroundAlpha));
    painter.setPen(qtColour(textColour(text.kind)));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, shown);
  }
}

}  // namespace brelosta
