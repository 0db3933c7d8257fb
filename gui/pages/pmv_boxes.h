// The three boxes of the PMV model that the chart, the thermal comfort page
// and the calculator share: metabolic rate, clothing and air speed, named
// txt<prefix>Met, txt<prefix>Clo and txt<prefix>AirSpeed, with their defaults.
#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "core/comfort/comfort_year.h"

class QLineEdit;

namespace vlm {

class MessageSink;

class PmvBoxes : public QWidget {
  Q_OBJECT

 public:
  PmvBoxes(const QString& prefix, QWidget* parent);

  // Each box by the lenient number rule and its range, in screen order; the
  // first refused box shows its message and gives nullopt.
  [[nodiscard]] std::optional<ComfortSettings> read(MessageSink& sink) const;

 private:
  std::array<QLineEdit*, 3> boxes_{};  // met, clo, air speed
};

}  // namespace vlm
