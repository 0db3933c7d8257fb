#include "core/climate/region_display.h"

#include "core/climate/region_catalog.h"

namespace vlm {
namespace {

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::string_view fileName(std::string_view path) {
  const auto slash = path.find_last_of("/\\");
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string RegionDisplayName(std::string_view regionName, std::string_view station,
                              std::string_view file) {
  // A built-in region, or a name the user gave, already says where.
  if (regionName != kOtherRegionName) return std::string(regionName);
  std::string_view which = trimmed(station);
  if (which.empty()) which = trimmed(fileName(file));
  if (which.empty()) return std::string(regionName);
  return std::string(regionName) + " (" + std::string(which) + ")";
}

std::string RegionDisplayName(std::string_view regionLabel, const ClimateData& climate) {
  return RegionDisplayName(regionLabel, climate.site ? climate.site->name : std::string(),
                           climate.sourcePath());
}

std::string RegionDisplayName(const ClimateData& climate) {
  return RegionDisplayName(climate.RegionName, climate);
}

}  // namespace vlm
