// The shade's performance as a table: one row a month and the year's, with
// the hours and beam on the facade of both kinds of hour and the shares the
// shade keeps of them (shares and kWh/m² to one decimal, "-" for a share
// without a whole).
#pragma once

#include "core/report/text_table.h"
#include "core/solar/shade_performance.h"

namespace vlm {

[[nodiscard]] TextTable ShadePerformanceTable(const ShadePerformance& performance);

}  // namespace vlm
