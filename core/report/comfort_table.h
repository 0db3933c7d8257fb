// The table of the thermal comfort page (one row per month and the year: the
// hours of each class of the model and the hours left out for want of data)
// and the caption of its figures.
#pragma once

#include <string>
#include <string_view>

#include "core/comfort/comfort_year.h"
#include "core/report/text_table.h"

namespace vlm {

inline constexpr const char* kComfortTableMonth = "월";

[[nodiscard]] TextTable ComfortTable(const ComfortYear& year);

// The caption of the page's figures leaving the program: the region, the
// whole year, and the model with the figure's kind.
inline constexpr const char* kComfortShareKind = "월별 열쾌적 비율(%)";
inline constexpr const char* kAdaptiveChartKind = "쾌적범위 차트";
[[nodiscard]] std::string ComfortCaption(std::string_view region, ComfortModel model,
                                         std::string_view kind);

}  // namespace vlm
