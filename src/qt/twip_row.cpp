#include "qt/twip_row.hpp"

#include <QEvent>
#include <QLabel>
#include <algorithm>
#include <cmath>

namespace brelosta {

int twipsToPixels(const QFontMetrics& metrics, int twips) {
  constexpr double kTwipsPerDigit = 80.0;
  const double pixelsPerTwip = metrics.horizontalAdvance(QLatin1Char('0')) / kTwipsPerDigit;
  return static_cast<int>(std::lround(twips * pixelsPerTwip));
}

TwipRow::TwipRow(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void TwipRow::place(QWidget* child, int leftTwips, int widthTwips) {
  child->setParent(this);
  items_.push_back({child, leftTwips, widthTwips});
  if (qobject_cast<QLabel*>(child) != nullptr) child->lower();
  updateGeometry();
  layoutItems();
}

void TwipRow::setChildWidth(QWidget* child, int widthTwips) {
  for (Item& item : items_) {
    if (item.widget == child && item.widthTwips != widthTwips) {
      item.widthTwips = widthTwips;
      updateGeometry();
      layoutItems();
    }
  }
}

int TwipRow::pixels(int twips) const { return twipsToPixels(fontMetrics(), twips); }

int TwipRow::rowHeight() const {
  int height = 0;
  for (const Item& item : items_)
    if (item.widget) height = std::max(height, item.widget->sizeHint().height());
  return height;
}

QSize TwipRow::sizeHint() const {
  int right = 0;
  for (const Item& item : items_) right = std::max(right, item.leftTwips + item.widthTwips);
  return {pixels(right), rowHeight()};
}

void TwipRow::layoutItems() {
  const int height = rowHeight();
  for (const Item& item : items_) {
    if (!item.widget) continue;
    const int top = (height - std::min(height, item.widget->sizeHint().height())) / 2;
    const bool isLabel = qobject_cast<QLabel*>(item.widget.data()) != nullptr;
    const int itemHeight = isLabel ? height : std::min(height, item.widget->sizeHint().height());
    item.widget->setGeometry(pixels(item.leftTwips), isLabel ? 0 : top, pixels(item.widthTwips), itemHeight);
  }
}

void TwipRow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  layoutItems();
}

void TwipRow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
    updateGeometry();
    layoutItems();
  }
}

}  // namespace brelosta
