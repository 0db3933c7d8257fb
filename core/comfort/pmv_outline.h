// The region |PMV| ≤ 0.5 on the bioclimatic chart (dry bulb across, absolute
// humidity up) for one activity, clothing and air speed, with the mean radiant
// temperature equal to the air temperature: a still, unheated room whose walls
// are at the air's temperature. The vote rises with both temperature and
// humidity, so at each humidity the region runs from the dry bulb of −0.5 to
// that of +0.5, cut by the saturation curve and by the standard's air range.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/analysis/bio_chart.h"
#include "core/analysis/chart_readout.h"
#include "core/comfort/comfort_year.h"

namespace vlm {

class Psychrometrics;

// The closed outline in chart coordinates: up the cool side from the chart's
// driest humidity, down the warm side, the last point equal to the first.
// Empty when no state of the chart's range votes within ±0.5. Humidity is
// turned into vapour pressure at psychro's pressure (the chart's 101.325 kPa).
[[nodiscard]] std::vector<ChartPoint> PmvComfortOutline(const ComfortSettings& settings,
                                                        const Psychrometrics& psychro,
                                                        const PsychroChart& chart);

// Whether the state at a chart point votes within ±0.5 (air inside 10–30 °C).
[[nodiscard]] bool InsidePmvComfort(ChartPoint p, const ComfortSettings& settings,
                                    const Psychrometrics& psychro);

// How many of the plotted points lie inside.
[[nodiscard]] int CountInsidePmvComfort(const PlottedPoints& plotted,
                                        const ComfortSettings& settings,
                                        const Psychrometrics& psychro);

// "PMV 쾌적범위 (1.1met, 0.5clo, 0.1m/s): 1234시간" (hourly points) or
// "…: 56개" (daily or monthly points); without a count when nothing is plotted.
[[nodiscard]] std::string PmvOutlineLegend(const ComfortSettings& settings,
                                           std::optional<int> inside, PeriodMode mode);

// Draws the outline with a doubled orange pen and its legend row in the
// plot area's upper left, where the chart (above saturation) is empty.
void DrawPmvOutline(BioChart& c, const std::vector<ChartPoint>& outline,
                    const std::string& legend);

}  // namespace vlm
