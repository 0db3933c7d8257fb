#include "core/solar/plane_irradiation.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/solar/solar_pos.h"

namespace vlm {
namespace {

// Perez et al. (1990), table 6: f11, f12, f13, f21, f22, f23 per clearness bin.
constexpr std::array<std::array<double, 6>, 8> kPerezCoefficients = {{
    {-0.008, 0.588, -0.062, -0.060, 0.072, -0.022},
    {0.130, 0.683, -0.151, -0.019, 0.066, -0.029},
    {0.330, 0.487, -0.221, 0.055, -0.064, -0.026},
    {0.568, 0.187, -0.295, 0.109, -0.152, -0.014},
    {0.873, -0.392, -0.362, 0.226, -0.462, 0.001},
    {1.132, -1.237, -0.412, 0.288, -0.823, 0.056},
    {1.060, -1.600, -0.359, 0.264, -1.127, 0.131},
    {0.678, -0.327, -0.250, 0.156, -1.377, 0.251},
}};
// Upper clearness of bins 1 … 7; bin 8 is open above.
constexpr std::array<double, 7> kPerezBinTops = {1.065, 1.230, 1.500, 1.950, 2.800, 4.500, 6.200};
// κ of the clearness with the zenith angle in radians.
constexpr double kPerezKappa = 1.041;
// The circumsolar term is held at its value for a sun 85° from the zenith.
const double kCos85 = std::cos(85.0 * kDegToRad);

// Relative optical air mass (Kasten 1966), zenith angle in degrees.
double airMass(double zenithDeg) {
  return 1.0 / (std::cos(zenithDeg * kDegToRad) + 0.15 * std::pow(93.885 - zenithDeg, -1.253));
}

}  // namespace

Direction SunDirection(float altitude, float azimuth) {
  const double alt = altitude * kDegToRad;
  const double azi = azimuth * kDegToRad;
  return {std::cos(alt) * std::cos(azi), std::cos(alt) * std::sin(azi), std::sin(alt)};
}

Plane MakePlane(double azimuth, double tilt) {
  const double beta = tilt * kDegToRad;
  const double gamma = azimuth * kDegToRad;
  Plane p;
  p.normal = {std::sin(beta) * std::cos(gamma), std::sin(beta) * std::sin(gamma), std::cos(beta)};
  p.skyView = (1 + std::cos(beta)) / 2;
  p.groundView = (1 - std::cos(beta)) / 2;
  p.sinTilt = std::sin(beta);
  return p;
}

PerezSky PerezBrightening(double diffuse, double beamNormal, double zenithDeg,
                          double extraterrestrialNormal) {
  PerezSky sky;
  if (diffuse <= 0) return sky;
  const double z = zenithDeg * kDegToRad;
  const double kz3 = kPerezKappa * z * z * z;
  sky.epsilon = ((diffuse + beamNormal) / diffuse + kz3) / (1 + kz3);
  sky.delta = diffuse * airMass(zenithDeg) / extraterrestrialNormal;
  sky.bin = 1 + static_cast<int>(
                    std::upper_bound(kPerezBinTops.begin(), kPerezBinTops.end(), sky.epsilon) -
                    kPerezBinTops.begin());
  // ε exactly on a bin's top belongs to the next bin, as the table's ranges read.
  const auto& f = kPerezCoefficients[static_cast<std::size_t>(sky.bin - 1)];
  sky.f1 = std::max(0.0, f[0] + f[1] * sky.delta + f[2] * z);
  sky.f2 = f[3] + f[4] * sky.delta + f[5] * z;
  return sky;
}

SkyHour PrepareSkyHour(const HourSplit& split, const HourSun& sun) {
  SkyHour h;
  h.global = split.global;
  h.diffuse = split.diffuse;
  if (split.kind != HourSplitKind::Split && split.kind != HourSplitKind::BeyondPhysical) return h;
  h.sun = SunDirection(sun.upAltitude, sun.upAzimuth);
  h.beamNormal = split.beamNormal;
  h.invB = 1.0 / std::max(kCos85, h.sun.up);
  // Within 5° of the horizon the model holds its circumsolar term at 85°, which
  // would take light from the horizontal itself; such a sun's sky is isotropic.
  if (h.sun.up < kCos85) return h;
  const double zenith = 90.0 - sun.upAltitude;
  const double seconds = sun.upHours * 3600.0;
  const PerezSky sky = PerezBrightening(split.diffuse / seconds, split.beamNormal / seconds, zenith,
                                        ExtraterrestrialNormal(sun.dayOfYear));
  h.f1 = sky.f1;
  h.f2 = sky.f2;
  return h;
}

std::string_view SkyModelName(SkyModel model) {
  return model == SkyModel::Isotropic ? "등방성" : "Perez";
}

}  // namespace vlm
