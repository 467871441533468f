#include "qt/pictures.hpp"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
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
  // The program's icon drawn at each size (packaging/icons).
  QIcon icon;
  for (const int size : {16, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/icons/brelosta-%1.png").arg(size), QSize(size, size));
  return icon;
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
