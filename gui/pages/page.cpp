#include "gui/pages/page.h"

#include <QLayout>
#include <QPicture>
#include <QPaintDevice>
#include <QPainter>
#include <QRectF>
#include <algorithm>

#include "gui/guarded.h"
#include "render/a4_pdf.h"
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

QSize Page::printedSize() {
  // A hidden form that has never been shown still needs its layout settled,
  // and the size its pane has given it meanwhile applied, which painting it
  // does: paint it once to nowhere before measuring.
  if (layout() != nullptr) layout()->activate();
  QPicture nowhere;
  QPainter painter(&nowhere);
  render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
  painter.end();
  return size();
}

void Page::printPage(QPainter& painter, const QRectF& pageRect, PrintScale scale) {
  const QSize printed = printedSize();
  if (printed.width() <= 0 || printed.height() <= 0) return;
  QRectF target = render::fitCentred(QSizeF(printed), pageRect);
  if (scale == PrintScale::Natural) {
    const QPaintDevice* device = painter.device();
    const double natural = device != nullptr ? device->logicalDpiX() / 96.0 : 1.0;
    const double factor = std::min(natural, target.width() / printed.width());
    target = QRectF(pageRect.topLeft(), QSizeF(printed) * factor);
  }
  painter.save();
  painter.translate(target.topLeft());
  painter.scale(target.width() / printed.width(), target.height() / printed.height());
  render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
  painter.restore();
}

QList<PictureBox*> Page::pictures() const { return findChildren<PictureBox*>(); }

bool Page::guarded(const std::function<void()>& work) const { return vlm::guarded(sink(), work); }

}  // namespace vlm
