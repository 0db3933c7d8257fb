#include "cli/solar_columns.h"

#include "core/common/format.h"
#include "core/solar/hour_sun.h"
#include "core/solar/radiation_split.h"

namespace vlm::cli {

std::string solarColumns(int hourOfYear, float radiation, const SolarSite& site) {
  const HourSun sun = SunOfHour(static_cast<int16_t>(hourOfYear), site.latitude, site.longitude,
                                site.utcOffset, site.radiationLag);
  if (!sun.sunUp()) return ",,,,,,";
  std::string text = ',' + ShortestText(sun.solarTime) + ',' + ShortestText(sun.altitude) + ',' +
                     ShortestText(sun.azimuth);
  const auto means = HourMeans(SplitHour(radiation, sun));
  if (!means) return text + ",,,";
  return text + ',' + ShortestText(means->ghi) + ',' + ShortestText(means->dni) + ',' +
         ShortestText(means->dhi);
}

}  // namespace vlm::cli
