#include "gui/pages/square_box.h"

#include <QResizeEvent>
#include <algorithm>

namespace vlm {

SquareBox::SquareBox(QWidget* content, int preferredSide, int minimumSide, QWidget* parent)
    : QWidget(parent), content_(content), preferred_(preferredSide) {
  content_->setParent(this);
  // Until the first layout the content has its preferred size.
  content_->resize(preferredSide, preferredSide);
  setMinimumSize(minimumSide, minimumSide);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SquareBox::resizeEvent(QResizeEvent* event) {
  const int side = std::min(event->size().width(), event->size().height());
  content_->setGeometry(0, 0, side, side);
  QWidget::resizeEvent(event);
}

}  // namespace vlm
