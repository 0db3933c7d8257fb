#include "cli/sun_path_climate.h"

#include <cstdio>

#include "cli/cli_context.h"
#include "cli/site_arg.h"
#include "core/psychro/psychro_chart.h"

namespace vlm::cli {

std::optional<SunPathClimate> loadSunPathClimate(Context& ctx, const SunPathClimateArgs& args) {
  const auto loaded = loadClimate(ctx, args.climate);
  if (!loaded) return std::nullopt;
  std::optional<Site> site = siteOf(ctx, loaded->data, args.site);
  if (!site) return std::nullopt;
  if (site->name.empty()) site->name = loaded->data.RegionName;
  char latitude[32];
  std::snprintf(latitude, sizeof latitude, "%.4f", site->latitude);
  const SolarSite solar{site->latitude, site->longitude, site->utcOffset, 0};
  return SunPathClimate{*site, latitude,
                        WishedHours(loaded->data, SunWishes(loaded->data, PsychroChart{}), solar)};
}

}  // namespace vlm::cli
