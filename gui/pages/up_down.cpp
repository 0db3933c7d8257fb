#include "gui/pages/up_down.h"

#include <QEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace vlm {

UpDown::UpDown(QLineEdit* buddy, int minimum, int maximum, QWidget* parent)
    : QWidget(parent),
      buddy_(buddy),
      minimum_(minimum),
      maximum_(maximum),
      up_(new QToolButton(this)),
      down_(new QToolButton(this)) {
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  up_->setObjectName("up");
  down_->setObjectName("down");
  for (QToolButton* b : {up_, down_}) {
    b->setAutoRepeat(true);
    b->setFixedSize(16, 11);
    b->setFocusPolicy(Qt::NoFocus);
  }
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(up_);
  layout->addWidget(down_);
  connect(up_, &QToolButton::clicked, this, &UpDown::stepUp);
  connect(down_, &QToolButton::clicked, this, &UpDown::stepDown);
}

void UpDown::stepUp() { step(+1); }
void UpDown::stepDown() { step(-1); }

void UpDown::step(int delta) {
  if (!isEnabled()) return;
  bool ok = false;
  const int value = buddy_->text().trimmed().toInt(&ok);
  // A blank or mistyped box starts again from the end of the range.
  const int next = ok ? value + delta : (delta > 0 ? minimum_ : maximum_);
  buddy_->setText(QString::number(std::clamp(next, minimum_, maximum_)));
}

void UpDown::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) {
    up_->setEnabled(isEnabled());
    down_->setEnabled(isEnabled());
  }
  QWidget::changeEvent(event);
}

}  // namespace vlm
