// Holds one widget as the largest square that fits in it, at its top left, so
// that a round diagram grows and shrinks with the window without being
// stretched out of round.
#pragma once

#include <QWidget>

namespace vlm {

class SquareBox : public QWidget {
  Q_OBJECT

 public:
  // `content` becomes the box's child; the box asks for `preferredSide` and
  // shrinks no further than `minimumSide`.
  SquareBox(QWidget* content, int preferredSide, int minimumSide, QWidget* parent);

  [[nodiscard]] QSize sizeHint() const override { return {preferred_, preferred_}; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QWidget* content_;
  int preferred_;
};

}  // namespace vlm
