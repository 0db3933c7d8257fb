// The texts of the solar radiation analysis: its messages and the captions of
// its figures and table.
#pragma once

#include <array>
#include <string_view>

namespace vlm {

inline constexpr std::string_view kAlbedoRangeText = "0 <= 지면 반사율 <= 1 !";
inline constexpr std::string_view kTiltRangeText = "0 <= 경사각 <= 90 !";
inline constexpr std::string_view kRadiationMissingText =
    "일사량 자료가 빠진 시간이 낮 시간의 절반을 넘어 일사를 분석할 수 없습니다.";
// Followed by "(낮 시간 4400시간 중 2300시간)".
inline constexpr std::string_view kDaylightHoursLead = "(낮 시간 ";
inline constexpr std::string_view kHoursOf = "시간 중 ";
inline constexpr std::string_view kHoursClose = "시간)";

// The three totals, as the rose's legend, its readout and the table name them.
inline constexpr std::string_view kYearCaption = "연간";
inline constexpr std::string_view kWantedCaption = "태양열획득";
inline constexpr std::string_view kUnwantedCaption = "태양열차단";
inline constexpr std::string_view kWantedLegend = "태양열획득 시간";
inline constexpr std::string_view kUnwantedLegend = "태양열차단 시간";
inline constexpr std::string_view kMostWantedLead = "태양열획득 시간 일사가 가장 많은 방위: ";
inline constexpr std::string_view kMostUnwantedLead = "태양열차단 시간 일사가 가장 많은 방위: ";
inline constexpr std::string_view kRoseTitle = "방위별 일사량 (kWh/m²)";
inline constexpr std::string_view kTotalUnit = " kWh/m²";

inline constexpr std::string_view kMonthlyTitle = "월평균 일일 일사량 (kWh/m²·일)";
inline constexpr std::string_view kHorizontalCaption = "수평면";
// The four main orientations of the monthly chart: south, east, west, north.
inline constexpr std::array<std::string_view, 4> kMainOrientationCaptions = {"남향", "동향", "서향",
                                                                             "북향"};
inline constexpr std::array<int, 4> kMainOrientationAzimuths = {0, -90, 90, 180};

}  // namespace vlm
