// The product logo (picSlogo, pic1Logo, pic43Logo), painted from its vector
// image so that it is sharp on the screen and on paper alike.
#pragma once

#include <QWidget>

class QSvgRenderer;

namespace vlm {

class LogoPicture : public QWidget {
  Q_OBJECT

 public:
  explicit LogoPicture(int sizePx, QWidget* parent = nullptr);
  [[nodiscard]] bool valid() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QSvgRenderer* renderer_;
};

}  // namespace vlm
