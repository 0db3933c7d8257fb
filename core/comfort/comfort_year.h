// Each hour of a year classed against a comfort model, with the outdoor dry
// bulb as the operative temperature of a free-running building (mean radiant
// equal to air temperature), counted per month and for the year.
#pragma once

#include <array>
#include <cstdint>

#include "core/climate/climate_data.h"
#include "core/comfort/adaptive.h"
#include "core/comfort/pmv.h"

namespace vlm {

enum class ComfortModel { AshraeAdaptive, EnAdaptive, Pmv };

struct ComfortSettings {
  ComfortModel model = ComfortModel::AshraeAdaptive;
  double met = 1.1, clo = 0.5, airSpeed = 0.1;  // for the PMV model
};

// within[i] counts the hours inside band i; bands are nested, narrowest
// first (ASHRAE 90 %, 80 %; EN I, II, III; PMV the one band |PMV| ≤ 0.5), so
// within[0] ≤ within[1] ≤ within[2]. below and above are against the widest
// band. outside: hours where the model does not apply (the running mean
// beyond the standard's limits, or an air temperature beyond the PMV ranges).
// missing: hours without the inputs the model needs.
struct ComfortTally {
  int16_t below = 0;
  std::array<int16_t, 3> within{};
  int16_t above = 0;
  int16_t outside = 0;
  int16_t missing = 0;
  bool operator==(const ComfortTally&) const = default;
};

struct ComfortYear {
  ComfortModel model = ComfortModel::AshraeAdaptive;
  int bands = 0;
  std::array<ComfortTally, 12> months{};
  ComfortTally year;
};

// The number of nested bands a model reports.
[[nodiscard]] int BandCount(ComfortModel model);

[[nodiscard]] ComfortYear ClassifyComfortYear(const ClimateData& climate,
                                              const ComfortSettings& settings);

}  // namespace vlm
