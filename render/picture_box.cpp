#include "render/picture_box.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "render/drawing_export.h"

namespace vlm {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  // The pages read values under the pointer without a button pressed.
  setMouseTracking(true);
}

QPointF PictureBox::userPointAt(QPointF pixel) const {
  // The inverse of the painting's mapping: the user scale spans the whole
  // widget, y up.
  const UserScale& s = drawing_.scale();
  const double w = std::max(1, width());
  const double h = std::max(1, height());
  return {s.left + pixel.x() / w * (static_cast<double>(s.right) - s.left),
          s.top - pixel.y() / h * (static_cast<double>(s.top) - s.bottom)};
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
  emit pointerMoved(userPointAt(event->position()), event->position().toPoint());
  QWidget::mouseMoveEvent(event);
}

void PictureBox::leaveEvent(QEvent* event) {
  emit pointerLeft();
  QWidget::leaveEvent(event);
}

void PictureBox::setDrawing(Drawing drawing) {
  drawing_ = std::move(drawing);
  update();
}

Drawing& PictureBox::editDrawing() {
  update();
  return drawing_;
}

void PictureBox::eraseDrawing() {
  // Cls keeps the user scale: the next primitives land where they did before.
  drawing_.clear();
  update();
}

void PictureBox::copyToPersistentImage() {
  // The new image is the old one with the drawing on top, as on the screen.
  if (!drawing_.empty()) persistent_.push_back(drawing_);
  hasPersistent_ = true;
  drawing_.clear();
  update();
}

void PictureBox::emptyPersistentImage() {
  persistent_.clear();
  hasPersistent_ = false;
  drawing_.clear();
  update();
}

std::vector<Drawing> PictureBox::layers() const {
  std::vector<Drawing> out = persistent_;
  if (!drawing_.empty()) out.push_back(drawing_);
  return out;
}

bool PictureBox::blank() const { return drawing_.empty() && persistent_.empty(); }

void PictureBox::setBackground(const QColor& color) {
  background_ = color;
  update();
}

void PictureBox::paintContent(QPainter& painter, const QRectF& target, double penScale) const {
  painter.fillRect(target, background_);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  for (const Drawing& layer : persistent_) render::paintDrawing(painter, layer, target, penScale);
  render::paintDrawing(painter, drawing_, target, penScale);
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
  // The whole picture is repainted from its display list at the current size,
  // so a resize rescales the drawing instead of cropping it.
  QPainter painter(this);
  painter.setFont(font());
  paintContent(painter, QRectF(rect()));
}

void clearPicture(PictureBox& picture, bool printed) {
  if (printed) {
    picture.emptyPersistentImage();
  } else {
    picture.eraseDrawing();
  }
}

}  // namespace vlm
