// The chart of the climate comparison: the monthly mean dry-bulb temperature
// and relative humidity of both climates.
#pragma once

#include "core/draw/drawing.h"
#include "core/seasonal/climate_comparison.h"

namespace vlm {

// The monthly means of both in one chart: dry-bulb on the left axis
// (−20 … 40 °C), relative humidity on the right (0 … 100 %), the loaded year
// in solid lines and the other dashed. Month m sits at x = m.
[[nodiscard]] Drawing BuildComparisonChart(const ClimateComparison& comparison);

}  // namespace vlm
