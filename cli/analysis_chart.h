// The chart the zone analysis reads its ranges from: the analysis counts the
// hours of a zone on the chart as the draw command has scaled it, so a command
// line that analyses without drawing scales it first, as the screen would.
#pragma once

#include "core/psychro/psychro_chart.h"

namespace vlm::cli {

[[nodiscard]] inline PsychroChart analysisChart() {
  PsychroChart chart;
  chart.SetChartScale(9000.0f, 6750.0f);
  return chart;
}

}  // namespace vlm::cli
