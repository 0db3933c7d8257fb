#include "core/seasonal/monthly_zones.h"

#include "core/climate/date_time.h"

namespace vlm {

MonthlyZones AnalyseMonths(const ClimateData& climate, const PsychroChart& chart,
                           MessageSink& sink) {
  MonthlyZones result;
  SilentSink quiet;
  for (int16_t month = 1; month <= 12; ++month) {
    result.columns[static_cast<std::size_t>(month - 1)] =
        ShowAnalysis(climate, firstHourOfMonth(month), lastHourOfMonth(month), chart, quiet);
  }
  result.columns[kYearColumn] =
      ShowAnalysis(climate, 1, static_cast<int16_t>(kHoursPerYear), chart, sink);
  return result;
}

std::optional<std::array<float, 5>> NeedShares(const ZoneTally& tally) {
  const std::array<float, 5> hours = NeedZoneHours(tally);
  double total = 0.0;
  for (const float h : hours) total += h;
  if (total == 0.0) return std::nullopt;
  std::array<float, 5> shares{};
  for (std::size_t i = 0; i < hours.size(); ++i) {
    shares[i] = static_cast<float>(static_cast<double>(hours[i]) * 100.0 / total);
  }
  return shares;
}

}  // namespace vlm
