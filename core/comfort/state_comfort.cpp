#include "core/comfort/state_comfort.h"

#include "core/common/format.h"

namespace vlm {

StateComfort ComfortOfState(float dryBulb, float vapourPressure, const ComfortSettings& settings) {
  StateComfort out;
  // The box values are checked as they are read; only the state's own dry
  // bulb can fall outside the standard, and that is no fault of the calculation.
  SilentSink quiet;
  const PmvInputs in{dryBulb, dryBulb, settings.airSpeed, vapourPressure, settings.met,
                     settings.clo};
  if (!CheckPmvInputs(in, quiet)) {
    out.note = PmvRangeMessage(PmvBox::AirTemperature).lines.back();
    return out;
  }
  out.result = ComputePmv(in);
  out.pmvText = Format(out.result->pmv, "#0.00");
  out.ppdText = Format(out.result->ppd, "#0.0");
  return out;
}

}  // namespace vlm
