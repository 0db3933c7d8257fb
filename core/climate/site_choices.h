// The region page's site choice "위치" for a file that records none: unknown,
// a built-in region's station, an ASOS station, or a site typed in boxes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/climate/site.h"

namespace vlm {

inline constexpr const char* kSiteChoiceCaption = "위치";
inline constexpr const char* kSiteUnknownText = "모름";
inline constexpr const char* kSiteTypedText = "직접 입력";
inline constexpr const char* kSiteLatitudeCaption = "위도(°)";
inline constexpr const char* kSiteLongitudeCaption = "경도(°)";
inline constexpr const char* kSiteUtcCaption = "UTC 시차(시간)";
// The boxes' texts when "직접 입력" is first chosen: Korean Standard Time.
inline constexpr const char* kSiteDefaultUtcText = "9";

struct SiteChoice {
  std::string text;          // the entry as the list shows it
  std::optional<Site> site;  // none for "모름" and for "직접 입력"
  bool typed = false;        // "직접 입력": the site comes from the boxes
};

// "모름" first, then the 13 built-in regions ("서울 (Seoul.WS)"), the ASOS
// stations by number ("108 서울 (ASOS)") and "직접 입력" last.
[[nodiscard]] std::vector<SiteChoice> siteChoices();

}  // namespace vlm
