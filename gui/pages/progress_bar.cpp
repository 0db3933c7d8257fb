#include "gui/pages/progress_bar.h"

namespace vlm {

ProgressBar::ProgressBar(QWidget* parent) : QProgressBar(parent) {
  setRange(0, 100);
  setValue(0);
}

void ProgressBar::showProgress(int percent) {
  if (percent == value()) return;
  // QProgressBar paints at once when the change shows (its text or its bar).
  setValue(percent);
}

void ProgressBar::paintEvent(QPaintEvent* event) {
  ++paintCount_;
  QProgressBar::paintEvent(event);
}

}  // namespace vlm
