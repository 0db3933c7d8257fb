// The stacked bars of a comfort year: for each month and the year one bar of
// 100 % of its classified hours (missing hours left out), divided into the
// model's classes from the bottom in the order of ComfortClasses.
#pragma once

#include <string_view>

#include "core/comfort/comfort_year.h"
#include "core/draw/drawing.h"

namespace vlm {

// Bar c (0 … 12, the year last) spans x = c + 0.2 … c + 0.8, shares y = 0 … 100;
// a column without a classified hour has no bar.
[[nodiscard]] Drawing BuildComfortShareChart(const ComfortYear& year, std::string_view regionName);

}  // namespace vlm
