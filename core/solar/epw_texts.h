// The texts of writing a climate year as an EPW file: what its header says
// (in English, as the tools that read the format expect) and the messages of
// the conversion.
#pragma once

#include <string>
#include <string_view>

#include "core/common/message.h"

namespace vlm {

// The LOCATION line's data source field.
inline constexpr std::string_view kEpwDataSource = "Velmora";
// COMMENTS 1 reads this, then what the year was made from.
inline constexpr std::string_view kEpwCommentLead = "Velmora climate year from ";

// COMMENTS 2: how the fields Velmora derives were made.
[[nodiscard]] inline std::string epwMethodComment(double radiationLag, bool elevationEstimated) {
  std::string text =
      "Dew point and relative humidity from the wet bulb at station pressure; direct normal "
      "and diffuse horizontal split from the global by Erbs Klein and Duffie (1982); ";
  text += radiationLag > 0 ? "each hour's radiation is centred on its time stamp"
                           : "each hour's radiation is received over the hour before its stamp";
  if (elevationEstimated) text += "; elevation estimated from the mean station pressure";
  return text;
}

// Describing the source in COMMENTS 1.
inline constexpr std::string_view kBuiltInSourceLead = "the built-in year of ";
inline constexpr std::string_view kAsosSourceLead = "ASOS station ";

// The refusal of a source that records no site when none is given.
[[nodiscard]] inline Message epwNoSiteMessage() {
  return errorMessage({"원본 기후파일의 위치(위도, 경도, 표준시)를 알 수 없어 EPW 파일로 "
                       "변환할 수 없습니다.",
                       "[위치 목록에서 관측소를 고르거나 직접 입력한 후 다시 변환하세요.",
                       "명령행에서는 --site 위도,경도[,UTC 시차]로 위치를 주십시오.]"});
}

// The conversion page's caption over the site choice.
inline constexpr std::string_view kEpwSiteChoiceNote =
    "EPW 파일로 저장할 때, 위치를 기록하지 않은 원본(cly, WYEC/TRY)의 위치";

// The completion box's line naming the site written: "위치: " + siteText(site).
inline constexpr std::string_view kEpwSiteLead = "EPW 파일의 위치: ";

}  // namespace vlm
