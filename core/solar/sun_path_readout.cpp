#include "core/solar/sun_path_readout.h"

#include <algorithm>
#include <cmath>

#include "core/common/format.h"
#include "core/solar/solar_pos.h"

namespace vlm {
namespace {

constexpr double kRadToDeg = 180.0 / kSolarPi;
// The date curves are searched at one-minute steps of solar time.
constexpr double kMinute = 1.0 / 60.0;
// User units (a thirtieth of a pixel) by which a point may lie beyond the horizon.
constexpr double kHorizonSlack = 0.5;

double distanceBetween(DiagramPoint a, double x, double y) {
  return std::hypot(static_cast<double>(a.x) - x, static_cast<double>(a.y) - y);
}

std::string solarTimeText(float t) {
  const long minutes = std::lround(static_cast<double>(t) * 60.0);
  return std::to_string(minutes / 60) + "시 " + std::to_string(minutes % 60) + "분(태양시)";
}

}  // namespace

std::optional<SkyPosition> SkyPositionAt(const SunPathGeometry& g, float x, float y) {
  const double dx = static_cast<double>(g.cx) - x;
  const double dy = static_cast<double>(g.cy) - y;
  const double r = std::hypot(dx, dy);
  // The horizon itself counts, with room for the rounding of a projected point.
  if (!(g.radius > 0) || r > g.radius + kHorizonSlack) return std::nullopt;
  const double azimuth = r > 0 ? std::atan2(dx, dy) * kRadToDeg : 0.0;
  const double altitude = std::max(0.0, 90.0 - r / g.radius * 90.0);
  return SkyPosition{static_cast<float>(azimuth), static_cast<float>(altitude)};
}

std::optional<CurvePlace> NearestCurvePlace(const SunPathGeometry& g, float lat, float x, float y) {
  std::optional<CurvePlace> best;
  SilentSink silent;
  for (std::size_t i = 0; i < kSunPathDateCurves.size(); ++i) {
    const SunPathDateCurve& curve = kSunPathDateCurves[i];
    const float decl = GetDecl_DOY(GetDOY_MD(curve.month, curve.day, silent));
    const SunTimes times = GetSunTimes(GetDayLen_LD(lat, decl));
    const double rise = times.riseHour + times.riseMinute / 60.0;
    const double set = times.setHour + times.setMinute / 60.0;
    for (double t = rise; t <= set + kMinute / 2; t += kMinute) {
      const auto time = static_cast<float>(t);
      const DiagramPoint p =
          ProjectSunPos(g, GetAzi_TDL(time, decl, lat), GetAlt_TDL(time, decl, lat));
      const auto d = static_cast<float>(distanceBetween(p, x, y));
      if (!best || d < best->distance) best = CurvePlace{i, time, d};
    }
  }
  return best;
}

bool IsShaded(int16_t shadeType, const ShadeAngles& angles, SkyPosition sun) {
  return ShadesSun(Shade::Of(shadeType, angles), sun);
}

std::string SunPathReadout(const SunPathGeometry& g, float lat, float x, float y, float reach,
                           const std::optional<std::pair<int16_t, ShadeAngles>>& mask) {
  const std::optional<SkyPosition> sky = SkyPositionAt(g, x, y);
  if (!sky) return {};
  std::string text = "태양고도 " + Format(sky->altitude, "0.0") + "°, 태양방위각 " +
                     Format(sky->azimuth, "0.0") + "°";
  const std::optional<CurvePlace> near = NearestCurvePlace(g, lat, x, y);
  if (near && near->distance <= reach) {
    text += " | " + std::string(kSunPathDateCurves[near->curve].caption) + " " +
            solarTimeText(near->solarTime);
  }
  if (mask)
    text += IsShaded(mask->first, mask->second, *sky) ? " | 음영 생김" : " | 음영 안 생김";
  return text;
}

}  // namespace vlm
