// The map of pic11Map: the Korean peninsula south of the top edge at 38.8° N,
// with the islands of the south coast and Jeju, drawn from longitude and
// latitude so that each region's option button sits at its city.
#pragma once

#include <QPointF>
#include <QWidget>

namespace vlm {

class KoreaMap : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 362;
  static constexpr int kHeight = 412;

  explicit KoreaMap(QWidget* parent = nullptr);

  // The map pixel of a place (degrees east, degrees north).
  [[nodiscard]] static QPointF project(double longitude, double latitude);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace vlm
