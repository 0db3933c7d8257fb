#include "core/solar/radiation_split.h"

#include <cmath>

#include "core/solar/solar_pos.h"

namespace vlm {

double ErbsDiffuseFraction(double kt) {
  if (kt <= 0.22) return 1.0 - 0.09 * kt;
  if (kt <= 0.80) {
    return 0.9511 - 0.1604 * kt + 4.388 * kt * kt - 16.638 * kt * kt * kt +
           12.336 * kt * kt * kt * kt;
  }
  return 0.165;
}

HourSplit SplitHour(float radiation, const HourSun& sun) {
  HourSplit split;
  if (radiation == kRadiationMissing || radiation < 0) return split;
  split.global = radiation * kJoulesPerRadiationUnit;
  split.diffuse = split.global;
  if (!sun.sunUp() || sun.extraterrestrial <= 0) {
    split.kind = split.global > 0 ? HourSplitKind::SunDownWithRadiation : HourSplitKind::Night;
    return split;
  }
  split.clearness = split.global / sun.extraterrestrial;
  if (split.clearness > kClearnessBound) {
    split.kind = HourSplitKind::BeyondPhysical;
    return split;
  }
  split.kind = HourSplitKind::Split;
  split.diffuse = split.global * ErbsDiffuseFraction(split.clearness);
  split.beam = split.global - split.diffuse;
  split.beamNormal = split.beam / std::sin(sun.upAltitude * kDegToRad);
  return split;
}

std::optional<HourIrradiance> HourMeans(const HourSplit& split) {
  if (split.kind == HourSplitKind::Missing || split.kind == HourSplitKind::Night) {
    return std::nullopt;
  }
  return HourIrradiance{static_cast<float>(split.global / 3600.0),
                        static_cast<float>(split.beamNormal / 3600.0),
                        static_cast<float>(split.diffuse / 3600.0)};
}

}  // namespace vlm
