// The whole bioclimatic chart as the draw command composes it: grid, climate
// data, need zones, guideline zones and value labels, each when asked for, in
// that order, so that the zone outlines lie over the data points.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/analysis/axis_labels.h"
#include "core/analysis/bio_chart.h"
#include "core/analysis/period.h"
#include "core/climate/climate_data.h"

namespace vlm {

class Psychrometrics;
class PsychroChart;

// What to draw: the option boxes of the chart tab and the zone boxes ticked.
struct ChartContent {
  bool grid = false;
  bool data = false;
  bool needZones = false;
  bool guideZones = false;
  bool labels = false;
  std::array<bool, 5> need{};
  std::array<bool, 9> guide{};
};

// The period to plot.
struct ChartPeriod {
  PeriodMode mode = PeriodMode::Hourly;
  int16_t start = 1;
  int16_t end = 8760;
};

// Draws the content onto c.drawing (whose scale the caller has set from the
// chart) and returns the labels to show, empty when labels are off. The
// climate year is read only when data is drawn.
std::vector<AxisLabel> DrawChartContent(BioChart& c, const ChartContent& content,
                                        const ClimateData& climate, const ChartPeriod& period);

// A complete chart for a picture of widthPx × heightPx screen pixels: the
// pressure and scale set as before every drawing (standard pressure, 10 %
// margins), the content drawn, and the labels written into the drawing as text.
[[nodiscard]] Drawing BuildBioChart(Psychrometrics& psychro, PsychroChart& chart, MessageSink& sink,
                                    const ChartContent& content, const ClimateData& climate,
                                    const ChartPeriod& period, float widthPx, float heightPx);

}  // namespace vlm
