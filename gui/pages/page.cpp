#include "gui/pages/page.h"

#include <QLayout>
#include <QPaintDevice>
#include <QPainter>
#include <QRectF>
#include <algorithm>

#include "gui/guarded.h"
#include "render/picture_box.h"

namespace vlm {

Page::Page(AppState& state, const QString& formName, const QString& caption, QWidget* parent)
    : QWidget(parent), state_(state) {
  setObjectName(formName);
  setWindowTitle(caption);
  setAutoFillBackground(true);
}

void Page::keepDrawingsForPrint() {
  for (PictureBox* picture : pictures()) picture->copyToPersistentImage();
  if (printFlag_ != nullptr) state_.printFlags().*printFlag_ = true;
}

void Page::printPage(QPainter& painter, const QRectF& pageRect) {
  // A hidden form that has never been shown still needs its layout settled.
  if (layout() != nullptr) layout()->activate();
  if (width() <= 0 || height() <= 0) return;
  const QPaintDevice* device = painter.device();
  const double natural = device != nullptr ? device->logicalDpiX() / 96.0 : 1.0;
  const double fit = std::min(pageRect.width() / width(), pageRect.height() / height());
  const double scale = std::min(natural, fit);
  painter.save();
  painter.translate(pageRect.topLeft());
  painter.scale(scale, scale);
  render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
  painter.restore();
}

QList<PictureBox*> Page::pictures() const { return findChildren<PictureBox*>(); }

bool Page::guarded(const std::function<void()>& work) const { return vlm::guarded(sink(), work); }

}  // namespace vlm
