// The keys of the sun-path diagram and the shading mask for a figure that
// leaves the program: the nine date curves by name and colour, the hour lines,
// the angles, and for the mask what the inside and the outside of its thick
// outline mean for a shade and for a building. The screen shows the same texts
// in its legend frames.
#pragma once

#include <string_view>

#include "core/draw/legend.h"

namespace vlm {

// The mask tab's legend, as its frame shows it (CR LF between lines).
inline constexpr std::string_view kMaskLegendText =
    "(1) 차양의 경우\r\n\r\n - 굵은 선 내부 : 음영 생김\r\n - 굵은 선 외부 : 음영 안 생김\r\n\r\n"
    "(2) 건물의 경우\r\n\r\n - 굵은 선 내부 : 음영 안 생김\r\n - 굵은 선 외부 : 음영 생김";
inline constexpr std::string_view kMaskLegendOutline = "굵은 선: 음영마스크";

[[nodiscard]] Legend SunPathLegend();
// The sun path's key, then the mask's outline and its meaning.
[[nodiscard]] Legend MaskLegend();

}  // namespace vlm
