// The messages of the monthly-climate screen: the refusals of its two draw
// buttons and the empty wind period.
#pragma once

#include "core/common/message.h"

namespace vlm {

// Either draw button while no region has been loaded.
[[nodiscard]] Message NoGraphRegionMessage();
// The monthly chart's draw button with no element chosen.
[[nodiscard]] Message NoGraphElementMessage();
// The wind rose's draw button with no period chosen.
[[nodiscard]] Message NoRosePeriodMessage();
// A wind period whose every hour has a missing direction: there is no valid
// hour to take the shares of.
[[nodiscard]] Message RoseAllMissingMessage();

}  // namespace vlm
