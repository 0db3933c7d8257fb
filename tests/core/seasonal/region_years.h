// The built-in regions' years as the region page loads them, read from the
// source tree's resources so that the core tests need no program directory.
#pragma once

#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "core/climate/climate_load.h"
#include "core/climate/region_catalog.h"
#include "core/psychro/psychrometrics.h"

namespace vlm::test {

inline const std::string kResourcesDir = std::string(VLM_TEST_DATA_DIR) + "/../../resources";

inline std::unique_ptr<ClimateData> LoadRegion(std::string_view stem) {
  auto data = std::make_unique<ClimateData>();
  Psychrometrics psychro;
  SilentSink sink;
  const auto region = regionByStem(stem);
  if (!region || !LoadClimateYear(*data, builtInChoice(*region, kResourcesDir), psychro, sink)) {
    std::abort();
  }
  return data;
}

}  // namespace vlm::test
