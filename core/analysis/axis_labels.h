// The value labels of the bioclimatic chart, placed in chart units so that
// they follow the plot area at any picture size, with the tick marks of both
// axes and the short curve pieces beside the relative-humidity labels.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/analysis/bio_chart.h"

namespace vlm {

// One label of the chart picture: its control name, its caption and where it
// stands, as an anchor in chart units with the alignment of its box to it.
// A vertical label is written one character per line.
struct AxisLabel {
  std::string_view name;
  std::string text;
  float x = 0.0f;
  float y = 0.0f;
  HAlign hAlign = HAlign::Left;
  VAlign vAlign = VAlign::Top;
  bool vertical = false;
  bool operator==(const AxisLabel&) const = default;
};

// The nineteen labels in their fixed order: dry-bulb values −20 … 50, the
// dry-bulb title, humidity values 0.03 … 0, the humidity title and the five
// relative-humidity labels.
inline constexpr std::array<std::string_view, 19> kAxisLabelNames{
    "lbl12aDBT_20", "lbl12aDBT_10", "lbl12aDBT0",  "lbl12aDBT10", "lbl12aDBT20",
    "lbl12aDBT30",  "lbl12aDBT40",  "lbl12aDBT50", "lbl12aDBT",   "lbl12aAH3",
    "lbl12aAH2",    "lbl12aAH1",    "lbl12aAH0",   "lbl12aAH",    "lbl12aRH100",
    "lbl12aRH80",   "lbl12aRH60",   "lbl12aRH40",  "lbl12aRH20"};

// Mode 1 draws the ticks and curve markers and returns the nineteen labels to
// show where they stand; mode 0 (labels hidden) and any other mode draw
// nothing and return no label. Both modes leave a thin pen.
std::vector<AxisLabel> ShowAxisLabels(BioChart& c, int16_t mode);

// The labels as text items of the drawing, for pictures saved without the
// screen's label controls.
void AppendAxisLabelTexts(Drawing& drawing, const std::vector<AxisLabel>& labels);

}  // namespace vlm
