// The frame under the calculator's results: PMV and PPD of the computed state
// (its dry bulb as air and mean radiant temperature) for the activity,
// clothing and air speed in its boxes, shown after each calculation and again
// when its own button is clicked with other boxes.
#pragma once

#include <QGroupBox>
#include <optional>

#include "core/psychro/pair_solution.h"

class QLabel;

namespace vlm {

class MessageSink;
class PmvBoxes;

class Frm32Comfort : public QGroupBox {
  Q_OBJECT

 public:
  Frm32Comfort(MessageSink& sink, QWidget* parent);

  // Shows the vote of `state`; the boxes' refusal leaves the labels empty.
  void showFor(const AirState& state);
  void clear();

 private:
  MessageSink& sink_;
  PmvBoxes* boxes_;
  QLabel* pmv_;
  QLabel* ppd_;
  QLabel* note_;
  std::optional<AirState> state_;
};

}  // namespace vlm
