// PMV and PPD of one air state as the moist-air calculator computes it: the
// state's dry bulb as both air and mean radiant temperature, its vapour
// pressure, and the activity, clothing and air speed of the settings.
#pragma once

#include <optional>
#include <string>

#include "core/comfort/comfort_year.h"
#include "core/comfort/pmv.h"

namespace vlm {

struct StateComfort {
  std::optional<PmvResult> result;  // none where the dry bulb is outside 10–30 °C
  std::string pmvText;              // "-0.12", or "" without a result
  std::string ppdText;              // "5.3", or ""
  std::string note;                 // the air range ("[10°C <= 기온 <= 30°C]") without a result
};

[[nodiscard]] StateComfort ComfortOfState(float dryBulb, float vapourPressure,
                                          const ComfortSettings& settings);

}  // namespace vlm
