// The key of a bioclimatic chart that leaves the program: the colours of the
// plotted months with what a point (or a pair of points) stands for in the
// period's mode, and each drawn need and guideline zone with its outline colour
// and name, the singled-out zone marked. The screen shows the same as legend
// shapes beside the picture.
#pragma once

#include <cstddef>
#include <optional>

#include "core/analysis/chart_drawing.h"
#include "core/draw/legend.h"

namespace vlm {

inline constexpr const char* kLegendDataHeading = "자료 (색: 월)";
inline constexpr const char* kLegendHourly = "점: 시각의 건구온도, 절대습도";
inline constexpr const char* kLegendDaily = "점 둘과 선: 하루의 최고, 최저 온도 시각";
inline constexpr const char* kLegendMonthly = "점 둘과 선: 한 달의 최고, 최저 온도 시각";
inline constexpr const char* kLegendNeedHeading = "생체기후적 요구 죤";
inline constexpr const char* kLegendGuideHeading = "기후설계 지침 죤";
inline constexpr const char* kLegendSingledOut = " (강조)";

// What `content` drew for `period`; `singledOut` is the outline (0 … 4 need,
// 5 … 13 guideline zones) drawn thicker, if any.
[[nodiscard]] Legend BioChartLegend(const ChartContent& content, const ChartPeriod& period,
                                    std::optional<std::size_t> singledOut);

}  // namespace vlm
