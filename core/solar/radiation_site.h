// The site of a loaded year as the radiation analysis places the sun with it,
// and the refusal of a year without one.
#pragma once

#include <optional>

#include "core/climate/climate_data.h"
#include "core/common/message.h"
#include "core/solar/radiation_year.h"

namespace vlm {

// Any command of the solar radiation page before a region has been loaded.
[[nodiscard]] Message NoRadiationRegionMessage();

// The year's site with its radiation's lag; nothing, after the refusal, when
// the year has no site.
[[nodiscard]] std::optional<SolarSite> SolarSiteOf(const ClimateData& climate, MessageSink& sink);

}  // namespace vlm
