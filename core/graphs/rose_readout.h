// What the pointer reads on the wind rose: the direction under it (or calm in
// the centre circle) with that direction's hours and share of the valid hours.
#pragma once

#include <string>

#include "core/graphs/wind_rose.h"

namespace vlm {

// The label index under (x, y) in the rose's user coordinates: 0 inside the
// calm circle, 1 … 16 the direction whose spoke is nearest in angle; −1 beyond
// one ring step outside the outer circle.
[[nodiscard]] int RoseDirectionAt(const RoseGeometry& g, float x, float y);

// "북북동: 12시간, 1.6%" (or "무풍: …") for the direction under (x, y); "" off the
// rose or for counts without a valid hour.
[[nodiscard]] std::string RoseReadout(const RoseGeometry& g, const RoseCounts& counts, float x,
                                      float y);

}  // namespace vlm
