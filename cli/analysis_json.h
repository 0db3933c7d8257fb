// The JSON of the analysis tab, shared by the commands that print it (analyse,
// months, compare): every text as its labels show it.
#pragma once

#include <nlohmann/json.hpp>

#include "core/analysis/analysis_summary.h"

namespace vlm::cli {

// {"region","periodText","tally","summary","errors","need","guide","mostImportant"}
[[nodiscard]] nlohmann::ordered_json analysisJson(const AnalysisTexts& texts);

// The rows of one column: {"tally","need","guide","mostImportant"}.
[[nodiscard]] nlohmann::ordered_json tallyJson(const ZoneTally& tally);
[[nodiscard]] nlohmann::ordered_json needRowsJson(const AnalysisTexts& texts);
[[nodiscard]] nlohmann::ordered_json guideRowsJson(const AnalysisTexts& texts);

}  // namespace vlm::cli
