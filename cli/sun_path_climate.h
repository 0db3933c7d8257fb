// --climate CLIMATE on the subcommands of the sun-path diagram and the shade:
// the year's daytime hours that want or refuse the sun, at the climate's site.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/climate_arg.h"
#include "core/climate/site.h"
#include "core/solar/shade_performance.h"

namespace vlm::cli {

struct Context;

struct SunPathClimate {
  Site site;
  std::string latitudeText;  // the site's latitude as the diagram reads it
  std::vector<WishedHour> hours;
};

// Loads the climate and places its hours' sun; nothing after a refusal (exit status 1).
[[nodiscard]] std::optional<SunPathClimate> loadSunPathClimate(Context& ctx,
                                                               const ClimateArgs& args);

}  // namespace vlm::cli
