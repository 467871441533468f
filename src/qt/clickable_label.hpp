#pragma once

#include <QLabel>
#include <QMouseEvent>

namespace brelosta {

// A caption that acts like the control beside it when clicked (the method
// names beside their check boxes).
class ClickableLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
    QLabel::mouseReleaseEvent(event);
  }
};

}  // namespace brelosta
