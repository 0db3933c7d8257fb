// frmStart, the splash window: logo, product name, version and the warning
// on the user's responsibility. It hands over to the main window on the first
// of: the timer's tick after 3000 ms, a click or double-click, a key.
#pragma once

#include <QWidget>

class QTimer;

namespace vlm {

class Splash : public QWidget {
  Q_OBJECT

 public:
  explicit Splash(QWidget* parent = nullptr);

  [[nodiscard]] QTimer* timer() const { return timer_; }

 signals:
  // Emitted once; the splash closes itself right after.
  void finished();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void handOver();

  QTimer* timer_;
  bool handedOver_ = false;
};

}  // namespace vlm
