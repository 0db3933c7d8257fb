// The climate data on the bioclimatic chart: one point per hour, or the
// warmest and the coolest hour of each day or month joined by a line, in the
// month colours.
#pragma once

#include <cstdint>
#include <optional>

#include "core/analysis/bio_chart.h"
#include "core/analysis/period.h"
#include "core/climate/climate_data.h"
#include "core/common/message.h"

namespace vlm {

// Whether an hour can be placed on the chart: dry-bulb and absolute humidity
// present and inside the chart's ranges (both ends included).
[[nodiscard]] bool ChartableHour(const HourRecord& hour, const PsychroChart& chart);

// The notice for an hour that cannot be placed, naming the region and the
// hour's month, day and hour of day.
[[nodiscard]] Message UnchartableHourMessage(const PsychroChart& chart,
                                             const std::string& regionName, int16_t month,
                                             int16_t day, int16_t hour);

// The warmest and coolest chartable hours of hours first … last.
struct HourExtremes {
  ChartPoint warmest;
  ChartPoint coolest;
};

// Warmest: highest dry-bulb, and of equal dry-bulbs the larger humidity;
// coolest: lowest dry-bulb, and of equal ones the smaller humidity. Reports
// each unchartable hour met; nullopt when none is chartable.
[[nodiscard]] std::optional<HourExtremes> FindExtremes(const BioChart& c,
                                                       const ClimateData& climate, int16_t first,
                                                       int16_t last);

// Plots hours start … end of the year in the given mode with a thin pen. Each
// unchartable hour gets its notice once and is left out; a day or a month
// without a chartable hour is left out silently.
void PlotClimateData(BioChart& c, const ClimateData& climate, PeriodMode mode, int16_t start,
                     int16_t end);

}  // namespace vlm
