// Helpers for reading a chart's Drawing in tests: a prepared chart of a
// 600 × 450 pixel picture and the primitives of one kind.
#pragma once

#include <variant>
#include <vector>

#include "core/analysis/bio_chart.h"
#include "core/common/message.h"
#include "core/draw/drawing.h"
#include "core/psychro/psychro_chart.h"
#include "core/psychro/psychrometrics.h"

namespace vlm::test {

// Everything a drawing procedure needs, with the scale set as the draw command does.
struct ChartBench {
  Psychrometrics psychro;
  PsychroChart chart;
  Drawing drawing;
  RecordingSink sink;
  BioChart c{drawing, chart, psychro, sink};

  ChartBench() {
    SetPatm(0, psychro);
    drawing.setScale(chart.SetChartScale(600 * kChartUnitsPerPixel, 450 * kChartUnitsPerPixel));
  }
  [[nodiscard]] float x(float t) const { return chart.ScaleX_DBT * (t - chart.DBTmin); }
  [[nodiscard]] float y(float w) const { return chart.ScaleY_AH * (w - chart.AHmin); }
};

template <typename Item>
std::vector<Item> itemsOf(const Drawing& drawing) {
  std::vector<Item> out;
  for (const auto& item : drawing.items()) {
    if (const auto* p = std::get_if<Item>(&item)) out.push_back(*p);
  }
  return out;
}

}  // namespace vlm::test
