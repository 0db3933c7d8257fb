// The texts of the shade's performance on the mask tab: the year's shares,
// the hours whose radiation is missing, and the suggested overhang.
#pragma once

#include <optional>
#include <string>

#include "core/solar/shade_performance.h"

namespace vlm {

// "62.3 %", or "-" for a share without a whole.
[[nodiscard]] std::string ShareText(const std::optional<double>& share);

// The year's cells: "1434시간 중 98.9 % 음영", "158.6 kWh/m² 중 95.5 % 차단" for the
// unwanted-sun hours, "2316시간 중 22.4 % 일조", "535.4 kWh/m² 중 42.1 % 투과" for the wanted.
[[nodiscard]] std::string UnwantedHoursText(const ShadeTally& year);
[[nodiscard]] std::string UnwantedBeamText(const ShadeTally& year);
[[nodiscard]] std::string WantedHoursText(const ShadeTally& year);
[[nodiscard]] std::string WantedBeamText(const ShadeTally& year);
// "일사 결측 12시간: 시간 비율에는 들고 직달일사 비율에서는 빠짐"
[[nodiscard]] std::string MissingRadiationLine(const ShadeTally& year);
// "추천 수평차양 수직음영각 60° (차단 51.2 %, 투과 94.5 %)": the shares of the
// unwanted beam it blocks and of the wanted beam it admits.
[[nodiscard]] std::string SuggestionLine(const OverhangSuggestion& suggestion);

}  // namespace vlm
