// A built-in region's year, loaded once per benchmark program.
#pragma once

#include <cstdlib>
#include <memory>
#include <string_view>

#include "core/climate/climate_load.h"
#include "core/climate/region_catalog.h"
#include "core/psychro/psychrometrics.h"

namespace vlm::bench {

inline std::unique_ptr<ClimateData> loadBuiltInYear(std::string_view stem) {
  auto data = std::make_unique<ClimateData>();
  Psychrometrics psychro;
  SilentSink sink;
  const auto region = regionByStem(stem);
  if (!region || !LoadClimateYear(*data, builtInChoice(*region, VLM_PROGRAM_DIR), psychro, sink)) {
    std::abort();
  }
  return data;
}

inline const ClimateData& seoulYear() {
  static const std::unique_ptr<ClimateData> data = loadBuiltInYear("seoul");
  return *data;
}

}  // namespace vlm::bench
