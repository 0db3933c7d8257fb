// Whether a shade keeps a sun off the window: the one test behind the mask's
// outline, the pointer readout and the shade's performance over a year.
//
// A sun stands at azimuth γ from the facade's outward normal (−180 … 180,
// positive towards the west) and altitude α. A sun behind the facade (|γ| ≥ 90)
// never reaches the window. In front of it
//   an overhang of vertical angle v shades it when its profile angle is at least
//   v: tan α / cos γ ≥ tan v;
//   fins of horizontal angles hw (≥ 0) and he (≤ 0) shade it when γ > hw or γ < he;
//   the combined shade when either of the two does.
#pragma once

#include <cstdint>

#include "core/solar/shading_mask.h"

namespace vlm {

// Degrees: azimuth from south, negative towards the east (−180 … 180);
// altitude above the horizon (0 … 90).
struct SkyPosition {
  float azimuth = 0;
  float altitude = 0;
};

// A sun as a facade sees it, with what the test needs of it.
struct FacadeSun {
  double gamma = 0;  // azimuth from the facade normal, −180 … 180
  double sinAltitude = 0, cosAltitude = 1;
  double cosGamma = 1;  // 0 at ±90 exactly

  [[nodiscard]] bool inFront() const { return cosGamma > 0; }
};

// The azimuth from the normal of a facade of azimuth s, −180 … 180.
[[nodiscard]] double AzimuthFromNormal(double azimuth, double s);
[[nodiscard]] FacadeSun SeenFromFacade(SkyPosition sun, double s);

// The sun's profile angle on a facade, the altitude that it shows in a
// section normal to the facade: arctan(tan α / cos γ), for a sun in front.
[[nodiscard]] double ProfileAngle(const FacadeSun& sun);
// The altitude at which a sun at azimuth γ from the normal (|γ| ≤ 90) has
// profile angle v: arctan(tan v · cos γ); 0 at the facade's ends.
[[nodiscard]] double AltitudeOfProfile(double v, double gamma);

// A shade of type 1, 2 or 3 with its angles, ready to test many suns.
struct Shade {
  int16_t type = kShadeCombined;
  ShadeAngles angles;
  double sinV = 0, cosV = 1;

  [[nodiscard]] static Shade Of(int16_t type, const ShadeAngles& angles);
};

[[nodiscard]] bool ShadesSun(const Shade& shade, const FacadeSun& sun);
[[nodiscard]] bool ShadesSun(const Shade& shade, SkyPosition sun);

}  // namespace vlm
