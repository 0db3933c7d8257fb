// The shade's performance month by month as a small bar chart: for each month
// the share of the unwanted beam on the facade that the shade blocks and the
// share of the wanted beam that it admits, 0 … 100 %, with a legend. A month
// without beam of a kind has no bar of it.
#pragma once

#include "core/draw/drawing.h"
#include "core/draw/palette.h"
#include "core/solar/shade_performance.h"

namespace vlm {

// In the colours of the overlay's hours: unwanted sun blocked, wanted sun admitted.
inline constexpr Color kBlockedBarColor = palette::kCooling;
inline constexpr Color kAdmittedBarColor = palette::kHeating;

[[nodiscard]] Drawing ShadePerformanceChart(const ShadePerformance& performance);

}  // namespace vlm
