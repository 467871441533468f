#include "qt/pictures.hpp"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>
#include <functional>

namespace brelosta {
namespace {

constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 96, 128, 256};

QIcon drawnIcon(int width, int height, const std::function<void(QPainter&, double)>& draw) {
  QIcon icon;
  for (const int size : kIconSizes) {
    QPixmap pixmap(size * width / height, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter, size / static_cast<double>(height));
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace

QIcon globeIcon() {
  // Drawn on a 100 x 100 grid.
  return drawnIcon(100, 100, [](QPainter& painter, double scale) {
    painter.scale(scale, scale);
    const QRectF globe(6, 6, 88, 88);
    QRadialGradient sea(QPointF(38, 34), 70);
    sea.setColorAt(0.0, QColor(120, 190, 235));
    sea.setColorAt(1.0, QColor(20, 90, 160));
    painter.setPen(QPen(QColor(15, 60, 110), 3));
    painter.setBrush(sea);
    painter.drawEllipse(globe);
    painter.setPen(QPen(QColor(235, 245, 255), 2.5));
    painter.setBrush(Qt::NoBrush);
    for (const double halfWidth : {14.0, 30.0}) painter.drawEllipse(QRectF(50 - halfWidth, 6, 2 * halfWidth, 88));
    painter.drawLine(QPointF(50, 6), QPointF(50, 94));
    for (const double y : {28.0, 50.0, 72.0}) {
      const double halfChord = std::sqrt(44.0 * 44.0 - (y - 50) * (y - 50));
      painter.drawLine(QPointF(50 - halfChord, y), QPointF(50 + halfChord, y));
    }
  });
}

QIcon arrowIcon(bool rightwards) {
  // Drawn on a 160 x 100 grid, pointing right; mirrored for leftwards.
  return drawnIcon(160, 100, [rightwards](QPainter& painter, double scale) {
    painter.scale(scale, scale);
    if (!rightwards) {
      painter.translate(160, 0);
      painter.scale(-1, 1);
    }
    QPainterPath arrow;
    arrow.moveTo(8, 36);
    arrow.lineTo(92, 36);
    arrow.lineTo(92, 10);
    arrow.lineTo(152, 50);
    arrow.lineTo(92, 90);
    arrow.lineTo(92, 64);
    arrow.lineTo(8, 64);
    arrow.closeSubpath();
    QLinearGradient fill(0, 10, 0, 90);
    fill.setColorAt(0.0, QColor(70, 150, 90));
    fill.setColorAt(1.0, QColor(25, 105, 55));
    painter.setPen(QPen(QColor(15, 70, 35), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(arrow);
  });
}

}  // namespace brelosta
