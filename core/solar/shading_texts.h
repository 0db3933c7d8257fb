// The texts of the shade's performance and of the climate year on the sun path.
#pragma once

#include <string_view>

namespace vlm {

inline constexpr std::string_view kPerformanceTitle = "차양 성능";
inline constexpr std::string_view kClimateOverlayCaption = "기후자료 표시";
// Legend of the climate overlay, followed by the hour count and kHoursUnit.
inline constexpr std::string_view kOverlayWantedLead = "태양열획득 시간: ";
inline constexpr std::string_view kOverlayUnwantedLead = "태양열차단 시간: ";
inline constexpr std::string_view kHoursUnit = "시간";

}  // namespace vlm
