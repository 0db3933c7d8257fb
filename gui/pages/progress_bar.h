// A progress bar that counts how often it is painted. Long loops on the one
// user-interface thread move it only when its percentage changes; the count
// lets a page test hold them to that.
#pragma once

#include <QProgressBar>

namespace vlm {

class ProgressBar : public QProgressBar {
  Q_OBJECT

 public:
  explicit ProgressBar(QWidget* parent = nullptr);

  // Sets the value when it changed; the bar then paints at once, so it moves
  // while the loop still holds the thread.
  void showProgress(int percent);

  [[nodiscard]] int paintCount() const { return paintCount_; }
  void resetPaintCount() { paintCount_ = 0; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int paintCount_ = 0;
};

}  // namespace vlm
