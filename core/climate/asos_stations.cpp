#include "core/climate/asos_stations.h"

#include <algorithm>
#include <string>

namespace vlm {

std::optional<Site> asosStationSite(std::int32_t number) {
  const auto* found =
      std::lower_bound(kAsosStations.begin(), kAsosStations.end(), number,
                       [](const AsosStation& s, std::int32_t n) { return s.number < n; });
  if (found == kAsosStations.end() || found->number != number) return std::nullopt;
  return Site{std::string(found->name), found->latitude, found->longitude, kKoreanStandardTime};
}

}  // namespace vlm
