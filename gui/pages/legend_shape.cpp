#include "gui/pages/legend_shape.h"

#include <QMouseEvent>
#include <QPainter>

#include "core/draw/drawing.h"

namespace vlm {

LegendShape::LegendShape(const QString& name, QWidget* parent) : QWidget(parent) {
  setObjectName(name);
  setFixedSize(sizeHint());
}

void LegendShape::setPaletteColor(int16_t index) {
  index_ = index;
  update();
}

QColor LegendShape::color() const {
  const uint32_t rgb = paletteRgb(index_);
  return {static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
          static_cast<int>(rgb & 0xFF)};
}

void LegendShape::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setPen(color());
  painter.setBrush(color());
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void LegendShape::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
  QWidget::mouseReleaseEvent(event);
}

}  // namespace vlm
