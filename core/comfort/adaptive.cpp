#include "core/comfort/adaptive.h"

#include "core/climate/date_time.h"

namespace vlm {

DailyMeans DailyMeanDryBulb(const ClimateData& climate) {
  DailyMeans means{};
  for (int d = 0; d < kDaysPerYear; ++d) {
    double sum = 0;
    int n = 0;
    for (int h = d * 24 + 1; h <= d * 24 + 24; ++h) {
      const float t = climate.year[static_cast<std::size_t>(h)].DBT;
      if (t == kMissing) continue;
      sum += t;
      ++n;
    }
    if (n > 0) means[static_cast<std::size_t>(d)] = sum / n;
  }
  return means;
}

std::array<double, kDaysPerYear> RunningMeanOutdoor(const DailyMeans& daily, double alpha) {
  double sum = 0;
  int n = 0;
  for (const auto& m : daily) {
    if (m) {
      sum += *m;
      ++n;
    }
  }
  double rm = n > 0 ? sum / n : 0.0;
  std::array<double, kDaysPerYear> out{};
  for (int pass = 0; pass < 2; ++pass) {
    for (int d = 0; d < kDaysPerYear; ++d) {
      const auto& previous = daily[static_cast<std::size_t>((d + kDaysPerYear - 1) % kDaysPerYear)];
      if (previous) rm = (1.0 - alpha) * *previous + alpha * rm;
      out[static_cast<std::size_t>(d)] = rm;
    }
  }
  return out;
}

std::optional<AdaptiveBand> AshraeAdaptiveBand(double runningMean) {
  if (runningMean < 10.0 || runningMean > 33.5) return std::nullopt;
  AdaptiveBand band;
  band.comfortTemperature = 0.31 * runningMean + 17.8;
  band.bands = 2;
  const std::array<double, 2> halfWidths = {2.5, 3.5};  // 90 %, 80 %
  for (std::size_t i = 0; i < halfWidths.size(); ++i) {
    band.lower[i] = band.comfortTemperature - halfWidths[i];
    band.upper[i] = band.comfortTemperature + halfWidths[i];
  }
  return band;
}

std::optional<AdaptiveBand> EnAdaptiveBand(double runningMean) {
  if (runningMean < 10.0 || runningMean > 30.0) return std::nullopt;
  AdaptiveBand band;
  band.comfortTemperature = 0.33 * runningMean + 18.8;
  band.bands = 3;
  const std::array<double, 3> above = {2, 3, 4};
  const std::array<double, 3> below = {3, 4, 5};
  for (std::size_t i = 0; i < 3; ++i) {
    band.upper[i] = band.comfortTemperature + above[i];
    if (runningMean >= 15.0) band.lower[i] = band.comfortTemperature - below[i];
  }
  return band;
}

}  // namespace vlm
