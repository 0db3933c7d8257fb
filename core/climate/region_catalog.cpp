#include "core/climate/region_catalog.h"

#include <algorithm>

namespace vlm {
namespace {

template <typename Key>
std::optional<Region> findRegion(std::string_view value, Key key) {
  const auto* found = std::find_if(kBuiltInRegions.begin(), kBuiltInRegions.end(),
                                   [&](const Region& r) { return key(r) == value; });
  if (found == kBuiltInRegions.end()) return std::nullopt;
  return *found;
}

}  // namespace

Site siteOf(const Region& region) {
  return Site{std::string(region.site.station), region.site.latitude, region.site.longitude,
              region.site.utcOffset, kBuiltInRadiationLag};
}

std::string relativeFileName(const Region& region) {
  return "weather/" + std::string(region.fileStem) + ".cly";
}

std::string regionFilePath(std::string_view programDir, const Region& region) {
  std::string path(programDir);
  if (path.empty() || path.back() != '/') path += '/';
  return path + relativeFileName(region);
}

std::optional<Region> regionByKoreanName(std::string_view name) {
  return findRegion(name, [](const Region& r) { return r.koreanName; });
}

std::optional<Region> regionByStem(std::string_view stem) {
  return findRegion(stem, [](const Region& r) { return r.fileStem; });
}

std::optional<Region> regionByOption(std::string_view optionName) {
  return findRegion(optionName, [](const Region& r) { return r.optionName; });
}

}  // namespace vlm
