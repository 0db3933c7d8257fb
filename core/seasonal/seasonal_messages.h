// The refusal of the seasonal-analysis page while no region is loaded.
#pragma once

#include "core/common/message.h"

namespace vlm {

// Any command of the page before a region has been loaded.
[[nodiscard]] Message NoSeasonalRegionMessage();

}  // namespace vlm
