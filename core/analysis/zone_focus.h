// One guideline or need zone singled out on the bioclimatic chart: its outline
// drawn thicker and the other outlines faded, with its hours and share.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "core/analysis/analysis_summary.h"
#include "core/analysis/zone_outlines.h"
#include "core/draw/drawing.h"

namespace vlm {

// The fourteen outlines in one numbering: 0 … 4 the need zones, 5 … 13 the
// guideline zones, each with its place in the chart's Drawing.
inline constexpr std::size_t kZoneOutlineCount = 14;
using ZoneOutlineItems = std::array<ZoneItems, kZoneOutlineCount>;

// The chart with outline `chosen` singled out: its pieces with a pen twice as
// wide, the pieces of every other outline faded three quarters of the way to
// white. The grid, the points and the texts stay as they are.
[[nodiscard]] Drawing SingleOutZone(const Drawing& chart, const ZoneOutlineItems& outlines,
                                    std::size_t chosen);

// The zone's name ("난방 필요", or the guideline's short name), then, when the
// analysis texts hold its figures, ": 3120시간, 35.62%".
[[nodiscard]] std::string ZoneFocusText(std::size_t zone, const AnalysisTexts& texts);

}  // namespace vlm
