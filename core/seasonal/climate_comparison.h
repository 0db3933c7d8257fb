// Two climate years side by side: the analysis tab of each for the whole
// year (need-zone shares, guideline ranks, the most important guideline) and
// the monthly mean dry-bulb temperature and relative humidity of both.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "core/analysis/analysis_summary.h"
#include "core/climate/climate_data.h"
#include "core/climate/climate_load.h"
#include "core/common/message.h"
#include "core/psychro/psychrometrics.h"

namespace vlm {

class PsychroChart;

// One month of both climates: the loaded year first, then the second one;
// empty where the month has no valid hour.
using MeanPair = std::array<std::optional<float>, 2>;

struct ClimateComparison {
  AnalysisTexts a;  // the loaded year
  AnalysisTexts b;  // the climate it is compared with
  std::array<MeanPair, 12> meanDBT{};
  std::array<MeanPair, 12> meanRH{};
  bool operator==(const ClimateComparison&) const = default;
};

// Both years analysed from 1 January 0 h to 31 December 23 h, each reporting
// as the analysis tab does; the means come from each year's statistics tables.
[[nodiscard]] ClimateComparison CompareClimates(const ClimateData& a, const ClimateData& b,
                                                const PsychroChart& chart, MessageSink& sink);

// Loads the climate to compare with into `second` as the region page loads a
// region, with the same checks and refusals, but without its completion
// notice: the loaded year and the shared pressure stay as they are.
// FileError and ComputeError propagate as they do from LoadClimateYear.
[[nodiscard]] bool LoadComparisonClimate(ClimateData& second, const ClimateChoice& choice,
                                         MessageSink& sink, const LoadProgress& progress = {});

}  // namespace vlm
