// The messages of the thermal comfort page.
#pragma once

#include "core/common/message.h"

namespace vlm {

// Its refusal while no region is loaded, in an "에러" box.
[[nodiscard]] Message NoComfortRegionMessage();

}  // namespace vlm
