// The adaptive chart of a year: the outdoor running mean across, the hour's
// dry bulb (the operative temperature of a free-running building) up, the
// model's comfort line and band limits over the running means where the
// standard defines them, and one dot per hour in the month colours of the
// bioclimatic chart; hours whose running mean lies outside the model's limits
// are grey, apart from the classified ones.
#pragma once

#include <string_view>

#include "core/climate/climate_data.h"
#include "core/comfort/comfort_year.h"
#include "core/draw/drawing.h"

namespace vlm {

// The chart's ranges, °C: hours beyond them are not drawn.
inline constexpr float kAdaptiveRunningMin = -15.0f, kAdaptiveRunningMax = 35.0f;
inline constexpr float kAdaptiveDryBulbMin = -25.0f, kAdaptiveDryBulbMax = 45.0f;

// Palette colour of the hours outside the model's limits.
inline constexpr int16_t kOutsideHourColor = 8;

// For the two adaptive models; the PMV model has no adaptive chart (empty).
[[nodiscard]] Drawing BuildAdaptiveChart(const ClimateData& climate, ComfortModel model,
                                         std::string_view regionName);

}  // namespace vlm
