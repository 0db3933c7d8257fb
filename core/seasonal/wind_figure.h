// The filtered wind rose as a figure: rings at the scale's step, 16 spokes,
// on each a bar stacked outwards by speed class from the calm circle, the
// calm share in the centre, the direction names, the legend of the classes
// and the title. It uses the geometry of the specified rose for a picture of
// the same size, so the pointer finds a direction as it does there.
#pragma once

#include <string>
#include <string_view>

#include "core/draw/drawing.h"
#include "core/graphs/wind_rose.h"
#include "core/seasonal/wind_count.h"

namespace vlm {

// The colour of speed class i (calm excluded), pale for slow air to dark for
// strong wind.
[[nodiscard]] Color WindClassColor(std::size_t i);

// Distance from the centre of the outer end of a share on the scale.
[[nodiscard]] float WindShareRadius(const RoseGeometry& g, const WindRoseScale& scale, float share);

// The rose of `counts` with `title` at the top; counts without an hour draw
// the empty rings and kNoWindHoursText.
[[nodiscard]] Drawing BuildWindRose(const RoseGeometry& g, const WindCounts& counts,
                                    std::string_view title);

// "서울 지역 바람 분석 (통풍·환기)".
[[nodiscard]] std::string WindRoseTitle(std::string_view region, const WindZone& zone);

// What the pointer reads at (x, y): "북북동: 12.3%, 평균풍속 2.4 m/s", "무풍: 3.2%"
// in the centre circle, "" off the rose or while no hour is counted.
[[nodiscard]] std::string WindRoseReadout(const RoseGeometry& g, const WindCounts& counts, float x,
                                          float y);

// The caption of the figure when it leaves the program: region, the filter
// in words and the kind.
[[nodiscard]] std::string WindAnalysisCaption(std::string_view region, const WindFilter& filter);

}  // namespace vlm
