// The captions and tooltips of frm31's climate year: the check boxes that put
// the loaded year on the sun path, the shade's performance frame, and why they
// are out of use. The core's figures and lines carry their own texts.
#pragma once

namespace vlm::frm31 {

inline constexpr const char* kClimateBoxTip =
    "불러온 기후자료의 낮 시간을 태양 위치에 점으로 표시하고, 그 위치의 위도로 그립니다.";
inline constexpr const char* kNoRegionTip =
    "불러온 기후자료가 없습니다. 지역선택 메뉴에서 대상지역을 불러오면 사용할 수 있습니다.";
inline constexpr const char* kNoSiteTip =
    "불러온 기후자료의 위치(위도, 경도, 표준시)를 알 수 없습니다. 지역선택 메뉴에서 위치를 "
    "고르거나 입력한 후 다시 불러오면 사용할 수 있습니다.";
inline constexpr const char* kPerformanceTip =
    "음영마스크를 그리면 불러온 기후자료의 한 해 동안 차양이 막고 들이는 직달일사를 계산합니다.";
// Before the site of a diagram drawn for the loaded year.
inline constexpr const char* kSiteLead = "기후자료 위치: ";

}  // namespace vlm::frm31
