#pragma once

#include <QFontMetrics>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace brelosta {

// Pixels (device-independent) of a length in twips for a font: a digit of
// the font counts as 80 twips, so a 1200-twip box holds a 14-character
// coordinate such as -179.123456789 or 10000000.0000 with room for its frame.
int twipsToPixels(const QFontMetrics& metrics, int twips);

// A row of widgets at fixed horizontal positions stated in twips (1/1440
// inch), the unit of the widths the program sets at run time (495 for a
// degrees box beside its minutes and seconds boxes, 1200 for a box that holds
// a whole coordinate). Twips are scaled to the row's font, so the row keeps
// its proportions at any screen scaling or font size. Children may overlap:
// a box widened over a sign label covers it, labels lie beneath boxes.
class TwipRow : public QWidget {
  Q_OBJECT

 public:
  explicit TwipRow(QWidget* parent = nullptr);

  void place(QWidget* child, int leftTwips, int widthTwips);
  void setChildWidth(QWidget* child, int widthTwips);

  // Pixels (device-independent) of a length in twips at the row's font.
  int pixels(int twips) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  struct Item {
    QPointer<QWidget> widget;
    int leftTwips;
    int widthTwips;
  };
  void layoutItems();
  int rowHeight() const;

  std::vector<Item> items_;
};

}  // namespace brelosta
