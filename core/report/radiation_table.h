// The irradiation table of the solar radiation analysis: one row per
// orientation and the horizontal, with the year's, the wanted and the unwanted
// totals and each month's, kWh/m² to one decimal.
#pragma once

#include "core/report/text_table.h"
#include "core/solar/radiation_year.h"

namespace vlm {

inline constexpr const char* kRadiationTableOrientation = "방위";

[[nodiscard]] TextTable RadiationTable(const RadiationYear& result);

}  // namespace vlm
