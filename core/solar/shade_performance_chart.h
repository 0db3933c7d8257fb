// The shade's performance month by month as a small bar chart: for each month
// the share of the unwanted beam on the facade that the shade blocks and the
// share of the wanted beam that it admits, 0 … 100 %, with a legend. A month
// without beam of a kind has no bar of it.
#pragma once

#include "core/draw/drawing.h"
#include "core/solar/shade_performance.h"

namespace vlm {

inline constexpr Color kBlockedBarColor{-1, 230, 60, 30};   // as the overlay's hot hours
inline constexpr Color kAdmittedBarColor{-1, 30, 90, 220};  // as its cold hours

[[nodiscard]] Drawing ShadePerformanceChart(const ShadePerformance& performance);

}  // namespace vlm
