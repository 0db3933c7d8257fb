#include "cli/sun_path_climate.h"

#include "cli/cli_context.h"
#include "core/psychro/psychro_chart.h"
#include "core/solar/climate_overlay.h"
#include "core/solar/radiation_site.h"

namespace vlm::cli {

std::optional<SunPathClimate> loadSunPathClimate(Context& ctx, const ClimateArgs& args) {
  const auto loaded = loadClimate(ctx, args);
  if (!loaded) return std::nullopt;
  const std::optional<SolarSite> solar = SolarSiteOf(loaded->data, ctx.sink);
  if (!solar) {
    ctx.exitCode = kExitRefused;
    return std::nullopt;
  }
  Site site = *loaded->data.site;
  if (site.name.empty()) site.name = loaded->data.RegionName;
  return SunPathClimate{site, DiagramSiteOf(site, "").latitudeText,
                        WishedHours(loaded->data, SunWishes(loaded->data, PsychroChart{}), *solar)};
}

}  // namespace vlm::cli
