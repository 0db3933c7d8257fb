// The texts of the seasonal-analysis page that are not captions: its refusal
// while no region is loaded and the file dialog of the climate to compare with.
#pragma once

#include <string_view>

#include "core/common/message.h"

namespace vlm {

// Any command of the page before a region has been loaded.
[[nodiscard]] Message NoSeasonalRegionMessage();

inline constexpr std::string_view kCompareFileDialogTitle =
    "비교할 기후파일(*.cly, *.epw) 선택하기";
inline constexpr std::string_view kCompareFileDialogFilter =
    "Velmora용 기후파일(*.cly)|*.cly|EPW 기후파일(*.epw)|*.epw|모든 파일(*.*)|*.*";

}  // namespace vlm
