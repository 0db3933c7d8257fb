// What the pointer reads on the sun-path diagram and the shading mask: the sun's
// altitude and azimuth at that place of the sky, the date curve and solar hour
// nearest to it, and whether a drawn mask keeps that sun off the window.
//
// Positions are the diagram Drawing's user coordinates (SunPathGeometry).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "core/solar/shade_predicate.h"
#include "core/solar/shading_mask.h"
#include "core/solar/sun_path.h"

namespace vlm {

// The inverse of ProjectSunPos; nullopt outside the horizon circle.
[[nodiscard]] std::optional<SkyPosition> SkyPositionAt(const SunPathGeometry& g, float x, float y);

// The place on the nine date curves nearest to (x, y): which curve
// (kSunPathDateCurves index), at which solar time (hours), and how far (user units).
struct CurvePlace {
  std::size_t curve = 0;
  float solarTime = 0;
  float distance = 0;
};
[[nodiscard]] std::optional<CurvePlace> NearestCurvePlace(const SunPathGeometry& g, float lat,
                                                          float x, float y);

// Whether the device of a shade type (1, 2 or 3) with these angles shades the
// window from a sun at the sky position (ShadesSun), which is what its drawn
// outline encloses.
[[nodiscard]] bool IsShaded(int16_t shadeType, const ShadeAngles& angles, SkyPosition sun);

// "태양고도 35.2°, 태양방위각 -20.5°" then, within `reach` of a date curve,
// " | 4월5일, 9월8일 10시 48분(태양시)", then with a mask " | 음영 생김" or
// " | 음영 안 생김"; "" outside the horizon.
[[nodiscard]] std::string SunPathReadout(
    const SunPathGeometry& g, float lat, float x, float y, float reach,
    const std::optional<std::pair<int16_t, ShadeAngles>>& mask);

}  // namespace vlm
