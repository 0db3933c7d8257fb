// The analysis tab month by month: the hours of each zone code of every month
// and of the whole year, summed into the need and guideline zones with their
// shares, ranks and most important guideline, by the same classification and
// tally as the analysis tab.
#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "core/analysis/analysis_summary.h"
#include "core/climate/climate_data.h"
#include "core/common/message.h"

namespace vlm {

class PsychroChart;

// Columns 0 … 11 are January … December, column 12 the year.
inline constexpr std::size_t kMonthColumns = 13;
inline constexpr std::size_t kYearColumn = 12;

struct MonthlyZones {
  std::array<AnalysisTexts, kMonthColumns> columns{};
  bool operator==(const MonthlyZones&) const = default;
};

// Every month and the year of the loaded year. The year column is the
// analysis tab for 1 January 0 h to 31 December 23 h, message included when
// the year has no zoned hour. A month without a zoned hour keeps its share,
// rank and guideline cells empty without a message of its own: one empty
// column is not a refusal of the whole table.
[[nodiscard]] MonthlyZones AnalyseMonths(const ClimateData& climate, const PsychroChart& chart,
                                         MessageSink& sink);

// The shares in percent of the five need zones in their fixed order, of the
// hours that received a zone; nullopt when no hour did.
[[nodiscard]] std::optional<std::array<float, 5>> NeedShares(const ZoneTally& tally);

}  // namespace vlm
