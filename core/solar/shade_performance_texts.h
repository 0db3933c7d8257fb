// The lines of the shade's performance as the mask tab and the report show
// them: the year's two lines, the hours whose radiation is missing, and the
// suggested overhang.
#pragma once

#include <optional>
#include <string>

#include "core/solar/shade_performance.h"

namespace vlm {

// "62.3 %", or "-" for a share without a whole.
[[nodiscard]] std::string ShareText(const std::optional<double>& share);

// "연간 태양열차단 1234시간 중 62.3 % 음영, 직달일사 412.5 kWh/m² 중 70.1 % 차단"
[[nodiscard]] std::string UnwantedYearLine(const ShadeTally& year);
// "연간 태양열획득 987시간 중 80.2 % 일조, 직달일사 310.0 kWh/m² 중 75.0 % 투과"
[[nodiscard]] std::string WantedYearLine(const ShadeTally& year);
// "일사 결측 12시간: 시간 비율에는 들고 직달일사 비율에서는 빠집니다."
[[nodiscard]] std::string MissingRadiationLine(const ShadeTally& year);
// "추천 수평차양 수직음영각: 52° (태양열차단 직달일사 78.1 % 차단, 태양열획득 직달일사 70.2 %
// 투과)"
[[nodiscard]] std::string SuggestionLine(const OverhangSuggestion& suggestion);

}  // namespace vlm
