// The stacked bars of the monthly zone analysis: for each month and the year
// one bar of 100 % divided into the shares of the five need zones, in their
// fixed order from the bottom and in their legend colours.
#pragma once

#include <string_view>

#include "core/draw/drawing.h"
#include "core/seasonal/monthly_zones.h"

namespace vlm {

// Bar c (0 … 12, the year last) spans x = c + 0.2 … c + 0.8; shares run up
// from y = 0 to 100. A column without a zoned hour has no bar.
[[nodiscard]] Drawing BuildNeedShareChart(const MonthlyZones& zones, std::string_view regionName);

}  // namespace vlm
