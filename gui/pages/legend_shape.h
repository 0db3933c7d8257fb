// A legend swatch: a small shape filled and bordered in one palette colour,
// as the chart draws the zone or month it stands for.
#pragma once

#include <QWidget>
#include <cstdint>

namespace vlm {

class LegendShape : public QWidget {
  Q_OBJECT

 public:
  LegendShape(const QString& name, QWidget* parent);

  // Fill and border in palette colour 0 … 15.
  void setPaletteColor(int16_t index);
  [[nodiscard]] int16_t paletteColor() const { return index_; }
  [[nodiscard]] QColor color() const;

  [[nodiscard]] QSize sizeHint() const override { return {18, 12}; }

 signals:
  // The swatch was clicked (pressed and released on it).
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int16_t index_ = 0;
};

}  // namespace vlm
