// The climate report's solar radiation page: the rose and the monthly chart of
// the page "일사 분석" at its defaults (Perez sky, albedo 0.2, vertical
// facades), or why the page is left out.
#pragma once

#include <string>

#include "core/climate/climate_data.h"
#include "core/draw/drawing.h"

namespace vlm {

struct ReportRadiation {
  Drawing rose;
  Drawing monthly;
  std::string roseCaption;
  std::string monthlyCaption;
};

inline constexpr const char* kReportRadiationNoSite =
    "일사 분석: 기후자료의 위치를 알 수 없으므로 싣지 않았습니다.";
inline constexpr const char* kReportRadiationMissing =
    "일사 분석: 일사량 자료가 빠진 시간이 낮 시간의 절반을 넘으므로 싣지 않았습니다.";

// The page's figures; nothing, with the reason in `why`, for a year without a
// site or with too little radiation.
[[nodiscard]] std::optional<ReportRadiation> ReportRadiationOf(const ClimateData& climate,
                                                               std::string& why);

}  // namespace vlm
