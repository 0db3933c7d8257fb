#include "core/climate/site_choices.h"

#include "core/climate/asos_stations.h"
#include "core/climate/region_catalog.h"

namespace vlm {

std::vector<SiteChoice> siteChoices() {
  std::vector<SiteChoice> list;
  list.reserve(kBuiltInRegions.size() + kAsosStations.size() + 2);
  list.push_back({kSiteUnknownText, std::nullopt, false});
  for (const Region& region : kBuiltInRegions) {
    list.push_back({std::string(region.koreanName) + " (" + std::string(region.site.station) + ")",
                    siteOf(region), false});
  }
  for (const AsosStation& station : kAsosStations) {
    list.push_back({std::to_string(station.number) + " " + std::string(station.name) + " (ASOS)",
                    asosStationSite(station.number), false});
  }
  list.push_back({kSiteTypedText, std::nullopt, true});
  return list;
}

}  // namespace vlm
