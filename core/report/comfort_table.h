// The table of the thermal comfort page: one row per month and the year, the
// hours of each class of the model and the hours left out for want of data.
#pragma once

#include "core/comfort/comfort_year.h"
#include "core/report/text_table.h"

namespace vlm {

inline constexpr const char* kComfortTableMonth = "월";

[[nodiscard]] TextTable ComfortTable(const ComfortYear& year);

}  // namespace vlm
