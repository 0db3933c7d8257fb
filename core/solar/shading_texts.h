// The texts of the shade's performance and of the climate year on the sun path.
#pragma once

#include <array>
#include <string_view>

namespace vlm {

inline constexpr std::string_view kPerformanceTitle = "차양 성능";
inline constexpr std::string_view kClimateOverlayCaption = "기후자료 표시";
// Legend of the climate overlay, followed by the hour count and kHoursUnit.
inline constexpr std::string_view kOverlayWantedLead = "태양열획득 시간: ";
inline constexpr std::string_view kOverlayUnwantedLead = "태양열차단 시간: ";
inline constexpr std::string_view kHoursUnit = "시간";

// A share whose whole is empty (no such hour, or no beam on the facade).
inline constexpr std::string_view kNoShare = "-";

// The performance table: one row a month and the year's, these columns.
inline constexpr std::string_view kPerformanceTableCorner = "월";
// Two lines each, so that the columns stay narrow.
inline constexpr std::array<std::string_view, 9> kPerformanceColumns = {
    "태양열차단\n시간", "음영\n(%)", "태양열차단 직달일사\n(kWh/m²)", "차단\n(%)",
    "태양열획득\n시간", "일조\n(%)", "태양열획득 직달일사\n(kWh/m²)", "투과\n(%)",
    "일사 결측\n시간"};

// The year's shares: a row for each kind of hour (kUnwantedCaption,
// kWantedCaption), a column for the hours and one for their beam.
inline constexpr std::string_view kYearHoursHeading = "시간";
inline constexpr std::string_view kYearBeamHeading = "직달일사";
inline constexpr std::string_view kOfWord = " 중 ";
inline constexpr std::string_view kShadedWord = " 음영";
inline constexpr std::string_view kSunlitWord = " 일조";
inline constexpr std::string_view kBlockedWord = " 차단";
inline constexpr std::string_view kAdmittedWord = " 투과";
inline constexpr std::string_view kBeamUnit = " kWh/m²";
inline constexpr std::string_view kMissingLead = "일사 결측 ";
inline constexpr std::string_view kMissingTail =
    "시간: 시간 비율에는 들고 직달일사 비율에서는 빠짐";
inline constexpr std::string_view kSuggestionLead = "추천 수평차양 수직음영각 ";
inline constexpr std::string_view kSuggestionBlocked = "° (차단 ";
inline constexpr std::string_view kSuggestionAdmitted = ", 투과 ";
inline constexpr std::string_view kSuggestionClose = ")";

// The tabs of the performance frame: the year's lines, the chart, the table.
inline constexpr std::array<std::string_view, 3> kPerformanceTabs = {"연간", "월별 그림",
                                                                     "월별 표"};

// The monthly chart.
inline constexpr std::string_view kBlockedLegend = "태양열차단 직달일사 차단";
inline constexpr std::string_view kAdmittedLegend = "태양열획득 직달일사 투과";

}  // namespace vlm
