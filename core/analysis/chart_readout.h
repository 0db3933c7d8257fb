// What the pointer reads on the building bioclimatic chart: the moist-air state
// under it, the zone there, and the plotted hour, day or month nearest to it.
//
// Positions are the chart Drawing's user coordinates (the plot area runs from
// (0, 0) at DBTmin, AHmin to (PlotW, PlotH) at DBTmax, AHmax). The values are
// taken at 101.325 kPa, the pressure the chart is drawn at.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/analysis/bio_chart.h"
#include "core/analysis/period.h"
#include "core/analysis/zone.h"
#include "core/climate/climate_data.h"
#include "core/psychro/pair_solution.h"

namespace vlm {

class PsychroChart;

// The inverse of GetX_DBT and GetY_AH; nullopt outside the plot area.
[[nodiscard]] std::optional<ChartPoint> ChartPointAt(const PsychroChart& chart, float x, float y);

// A moist-air state with the zone code that GetZone gives it. Only dry bulb,
// wet bulb, absolute and relative humidity and enthalpy are filled.
struct ZonedState {
  AirState air;
  int16_t zone = kZoneNoTest;
};

// The state at a chart point at 101.325 kPa; nullopt above the saturation curve
// and where the properties cannot be computed (no humidity at all).
[[nodiscard]] std::optional<ZonedState> AirStateAt(const PsychroChart& chart, ChartPoint p);

// "건구온도 25.0°C, 절대습도 0.0120kg/kg', 상대습도 60.0%, 엔탈피 55.6kJ/kg,
// 습구온도 19.5°C, 요구 죤: 쾌적(그늘 필요), 지침 죤: 태양열차단, 통풍·환기"; the
// zone parts are left out for a code that is no zone.
[[nodiscard]] std::string ZonedStateText(const ZonedState& state);

// The points a PlotClimateData of the same arguments draws: every chartable hour,
// or the warmest and coolest hour of each day or month. `hour` is the hour of
// the year for an hourly point and the first hour of the day or month otherwise.
struct PlottedPoint {
  ChartPoint at;
  int16_t hour = 0;
};
struct PlottedPoints {
  PeriodMode mode = PeriodMode::Hourly;
  std::vector<PlottedPoint> points;
};
[[nodiscard]] PlottedPoints ListPlottedPoints(const PsychroChart& chart, const ClimateData& climate,
                                              PeriodMode mode, int16_t start, int16_t end);

// The point whose centre is nearest to (x, y) and no farther than `reach` user
// units; the earliest of equally near points.
[[nodiscard]] std::optional<std::size_t> NearestPoint(const PlottedPoints& plotted,
                                                      const PsychroChart& chart, float x, float y,
                                                      float reach);

// "3월 2일 14시: " and the hour's own values and zone (hourly), or "3월 2일: "
// (daily) or "3월: " (monthly) and the state at the point.
[[nodiscard]] std::string PlottedPointText(const PlottedPoints& plotted, std::size_t index,
                                           const ClimateData& climate, const PsychroChart& chart);

// The whole readout at (x, y): the nearest plotted point within `reach` (if
// any), then " | " and the state under the pointer; "" outside the plot area or
// above saturation with no point near.
[[nodiscard]] std::string BioChartReadout(const PsychroChart& chart, const PlottedPoints& plotted,
                                          const ClimateData& climate, float x, float y,
                                          float reach);

}  // namespace vlm
