// The irradiation of one hour on a plane of any azimuth and tilt: the beam
// while the sun is in front of the plane, the sky diffuse by the isotropic
// model of Liu and Jordan or by the anisotropic model of Perez, Ineichen,
// Seals, Michalsky and Stewart (1990, "Modeling daylight availability and
// irradiance components from direct and global irradiance", Solar Energy
// 44(5), 271–289), and the part reflected by the ground.
//
// Directions are unit vectors towards south, west and the zenith; a plane's
// azimuth follows the solar functions (0 south, −90 east, 90 west, 180 north)
// and its tilt is measured from the horizontal (90 a wall).
#pragma once

#include <string_view>

#include "core/solar/hour_sun.h"
#include "core/solar/radiation_split.h"

namespace vlm {

enum class SkyModel { Isotropic, Perez };

inline constexpr double kDefaultAlbedo = 0.2;

struct Direction {
  double south = 0, west = 0, up = 0;
};

// The direction of a sun at altitude and azimuth (degrees).
[[nodiscard]] Direction SunDirection(float altitude, float azimuth);

struct Plane {
  Direction normal;
  double skyView = 1;     // (1 + cos tilt)/2
  double groundView = 0;  // (1 − cos tilt)/2
  double sinTilt = 0;
};

[[nodiscard]] Plane MakePlane(double azimuth, double tilt);

// The sky's clearness ε and brightness Δ of Perez's model, its clearness
// bin 1 … 8 and the circumsolar and horizon brightening F1 and F2. The
// diffuse and beam normal irradiances must be means over the same time.
struct PerezSky {
  int bin = 1;
  double epsilon = 1, delta = 0, f1 = 0, f2 = 0;
};

[[nodiscard]] PerezSky PerezBrightening(double diffuse, double beamNormal, double zenithDeg,
                                        double extraterrestrialNormal);

// What transposing one hour needs, fixed for the hour whatever the plane.
struct SkyHour {
  Direction sun;          // the sun in the hour's sun-up part; zero without sun
  double beamNormal = 0;  // J/m²
  double diffuse = 0;     // on the horizontal, J/m²
  double global = 0;      // on the horizontal, J/m²
  double f1 = 0, f2 = 0;  // Perez's brightening, 0 without sun or within 5° of the horizon
  double invB = 0;        // 1 / max(cos 85°, cos Z)
};

[[nodiscard]] SkyHour PrepareSkyHour(const HourSplit& split, const HourSun& sun);

struct PlaneIrradiation {
  double beam = 0, sky = 0, ground = 0;  // J/m²
  [[nodiscard]] double total() const { return beam + sky + ground; }
};

// The hour on the plane; an albedo in 0 … 1.
[[nodiscard]] inline PlaneIrradiation Irradiate(const SkyHour& h, const Plane& p, SkyModel model,
                                                double albedo) {
  const double cosTheta =
      h.sun.south * p.normal.south + h.sun.west * p.normal.west + h.sun.up * p.normal.up;
  const double front = cosTheta > 0 ? cosTheta : 0;
  PlaneIrradiation out;
  out.beam = h.beamNormal * front;
  if (model == SkyModel::Isotropic) {
    out.sky = h.diffuse * p.skyView;
  } else {
    const double sky =
        h.diffuse * ((1 - h.f1) * p.skyView + h.f1 * front * h.invB + h.f2 * p.sinTilt);
    out.sky = sky > 0 ? sky : 0;  // a strong negative horizon term cannot take light away
  }
  out.ground = h.global * albedo * p.groundView;
  return out;
}

// "등방성" or "Perez": the model's name as the page and the table show it.
[[nodiscard]] std::string_view SkyModelName(SkyModel model);

}  // namespace vlm
