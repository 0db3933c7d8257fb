#include "core/solar/shade_predicate.h"

#include <cmath>

#include "core/solar/solar_pos.h"

namespace vlm {
namespace {

constexpr double kRadToDeg = 180.0 / kSolarPi;

// cos of an angle from the normal, exactly 0 at the facade's ends so that a sun
// in the facade plane is neither in front nor behind by rounding.
double cosFromNormal(double gamma) {
  return std::abs(gamma) == 90.0 ? 0.0 : std::cos(gamma * kDegToRad);
}

}  // namespace

double AzimuthFromNormal(double azimuth, double s) {
  double gamma = std::fmod(azimuth - s, 360.0);
  if (gamma > 180.0) gamma -= 360.0;
  if (gamma <= -180.0) gamma += 360.0;
  return gamma;
}

FacadeSun SeenFromFacade(SkyPosition sun, double s) {
  FacadeSun f;
  f.gamma = AzimuthFromNormal(sun.azimuth, s);
  const double alpha = static_cast<double>(sun.altitude) * kDegToRad;
  f.sinAltitude = std::sin(alpha);
  f.cosAltitude = std::cos(alpha);
  f.cosGamma = cosFromNormal(f.gamma);
  return f;
}

double ProfileAngle(const FacadeSun& sun) {
  return std::atan2(sun.sinAltitude, sun.cosAltitude * sun.cosGamma) * kRadToDeg;
}

double AltitudeOfProfile(double v, double gamma) {
  const double c = cosFromNormal(gamma);
  return std::atan2(std::sin(v * kDegToRad) * c, std::cos(v * kDegToRad)) * kRadToDeg;
}

Shade Shade::Of(int16_t type, const ShadeAngles& angles) {
  Shade shade{type, angles, 0, 1};
  if (angles.v >= 90.0f) {
    shade.sinV = 1;
    shade.cosV = 0;
  } else {
    shade.sinV = std::sin(static_cast<double>(angles.v) * kDegToRad);
    shade.cosV = std::cos(static_cast<double>(angles.v) * kDegToRad);
  }
  return shade;
}

bool ShadesSun(const Shade& shade, const FacadeSun& sun) {
  if (shade.type < kShadeHorizontal || shade.type > kShadeCombined) return false;
  if (!sun.inFront()) return true;
  // tan α / cos γ ≥ tan v, multiplied out so that v = 90 and α = 90 need no infinity.
  const bool overhang = sun.sinAltitude * shade.cosV >= shade.sinV * sun.cosAltitude * sun.cosGamma;
  const bool fins = sun.gamma > shade.angles.hw || sun.gamma < shade.angles.he;
  switch (shade.type) {
    case kShadeHorizontal:
      return overhang;
    case kShadeVertical:
      return fins;
    case kShadeCombined:
      return overhang || fins;
    default:
      return false;
  }
}

bool ShadesSun(const Shade& shade, SkyPosition sun) {
  return ShadesSun(shade, SeenFromFacade(sun, shade.angles.s));
}

}  // namespace vlm
