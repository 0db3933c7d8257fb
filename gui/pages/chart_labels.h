// The value labels of the bioclimatic chart: label controls lying on the chart
// picture, each kept at its place in chart units whenever the picture changes
// size, so that they stay beside the ticks and curves they name.
#pragma once

#include <QObject>
#include <QString>
#include <vector>

#include "core/analysis/axis_labels.h"

class QLabel;

namespace vlm {

class PictureBox;

class ChartLabels : public QObject {
  Q_OBJECT

 public:
  // Creates the nineteen labels, hidden, as children of the picture.
  explicit ChartLabels(PictureBox* picture);

  // Shows the labels at their places (ShowAxisLabels mode 1).
  void show(const std::vector<AxisLabel>& labels);
  // Hides them all (mode 0).
  void hide();

  [[nodiscard]] QLabel* label(std::size_t index) const { return labels_[index]; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void place();

  PictureBox* picture_;
  std::vector<QLabel*> labels_;
  std::vector<AxisLabel> places_;
};

}  // namespace vlm
