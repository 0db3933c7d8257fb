// The split of an hour's global horizontal irradiation into its beam and
// diffuse parts by the diffuse fraction of Erbs, Klein and Duffie (1982,
// Solar Energy 28(4), 293–302) as a function of the clearness index kt, the
// hour's global irradiation over the extraterrestrial irradiation on the
// horizontal during the part of the hour with the sun up.
#pragma once

#include <optional>

#include "core/solar/hour_sun.h"

namespace vlm {

// The Radiation field holds tenths of cal/cm²: 0.1 cal/cm² = 4184 J/m².
inline constexpr double kJoulesPerRadiationUnit = 4184.0;
inline constexpr float kRadiationMissing = 9999.0f;
// Above this clearness index an hour brings more than the sun can give
// through the atmosphere: a clock or sensor fault, not a split to trust.
inline constexpr double kClearnessBound = 1.0;

enum class HourSplitKind {
  Missing,               // the marker (or a negative value): left out
  Night,                 // sun down all hour, no radiation
  SunDownWithRadiation,  // radiation while the sun is down all hour: taken as diffuse
  BeyondPhysical,        // kt above the bound: taken as diffuse
  Split,                 // beam and diffuse by the correlation
};

// The parts of one hour, irradiation over the hour in J/m².
struct HourSplit {
  HourSplitKind kind = HourSplitKind::Missing;
  double global = 0;      // on the horizontal
  double beam = 0;        // on the horizontal
  double diffuse = 0;     // on the horizontal
  double beamNormal = 0;  // on a plane facing the sun where it stands in the sun-up part
  double clearness = 0;   // kt; 0 without sun
};

// The diffuse fraction Id/I at clearness index kt.
[[nodiscard]] double ErbsDiffuseFraction(double kt);

// The parts of an hour whose Radiation field reads `radiation`.
[[nodiscard]] HourSplit SplitHour(float radiation, const HourSun& sun);

// The hour's global horizontal, beam normal and diffuse horizontal irradiance
// as means over the hour, W/m², as the hourly listing gives them; nothing at
// night or where radiation is missing.
struct HourIrradiance {
  float ghi = 0, dni = 0, dhi = 0;
};
[[nodiscard]] std::optional<HourIrradiance> HourMeans(const HourSplit& split);

}  // namespace vlm
