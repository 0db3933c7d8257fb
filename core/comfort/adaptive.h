// Adaptive comfort for buildings without mechanical cooling: the acceptable
// operative temperature follows the running mean of the outdoor temperature.
//   ASHRAE 55-2020, 5.4: t_cmf = 0.31 · t_pma + 17.8 °C, 80 % acceptability
//   ±3.5 K, 90 % ±2.5 K, for a prevailing mean of 10 … 33.5 °C.
//   EN 16798-1:2019, Annex B.2: θ_c = 0.33 · θ_rm + 18.8 °C; category I
//   +2/−3 K, II +3/−4 K, III +4/−5 K; the upper limits hold for a running
//   mean of 10 … 30 °C, the lower ones for 15 … 30 °C.
#pragma once

#include <array>
#include <optional>

#include "core/climate/climate_data.h"

namespace vlm {

inline constexpr int kDaysPerYear = 365;
inline constexpr double kRunningMeanAlpha = 0.8;

using DailyMeans = std::array<std::optional<double>, kDaysPerYear>;

// The mean dry bulb of each day's valid hours; none for a day without one.
[[nodiscard]] DailyMeans DailyMeanDryBulb(const ClimateData& climate);

// θ_rm(d) = (1 − α) · θ_ed(d − 1) + α · θ_rm(d − 1). A typical year is a cycle,
// so 1 January follows on from 31 December: the recurrence runs once over the
// year unrecorded and again recorded, where α^365 leaves nothing of the start.
// A day without a mean carries the running mean on unchanged.
[[nodiscard]] std::array<double, kDaysPerYear> RunningMeanOutdoor(const DailyMeans& daily,
                                                                  double alpha = kRunningMeanAlpha);

// The acceptable band at one running mean. Bands are nested, narrowest first:
// ASHRAE 90 % then 80 %; EN categories I, II, III (two bands used by ASHRAE).
// A limit is absent where the standard does not define it.
struct AdaptiveBand {
  double comfortTemperature = 0;
  int bands = 0;
  std::array<std::optional<double>, 3> lower{}, upper{};
};

[[nodiscard]] std::optional<AdaptiveBand> AshraeAdaptiveBand(double runningMean);
[[nodiscard]] std::optional<AdaptiveBand> EnAdaptiveBand(double runningMean);

}  // namespace vlm
