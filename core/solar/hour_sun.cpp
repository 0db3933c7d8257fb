#include "core/solar/hour_sun.h"

#include <algorithm>
#include <cmath>

#include "core/solar/solar_pos.h"

namespace vlm {
namespace {

constexpr double kSecondsPerRadian = 12.0 * 3600.0 / kSolarPi;  // the sun turns π in 12 h

// Sunset hour angle in degrees. Clamped rather than taken from the day length,
// so that a day without sunset (180) or without sunrise (0) still bounds the
// integral at any latitude.
double sunsetHourAngle(double latitude, double declination) {
  const double c = -std::tan(latitude * kDegToRad) * std::tan(declination * kDegToRad);
  return std::acos(std::clamp(c, -1.0, 1.0)) / kDegToRad;
}

// ∫ cos Z dt over hour angles w1 … w2 (degrees), in seconds.
double cosZenithIntegral(const SunDay& day, double w1, double w2) {
  return kSecondsPerRadian *
         (day.cosLatCosDecl * (std::sin(w2 * kDegToRad) - std::sin(w1 * kDegToRad)) +
          (w2 - w1) * kDegToRad * day.sinLatSinDecl);
}

struct UpPart {
  double degrees = 0;   // hour angle swept with the sun up
  double integral = 0;  // ∫ cos Z dt over it, seconds
  double middle = 0;    // hour angle at the middle of its longest piece
};

// The part of hour angles w1 … w2 with the sun up. The sun is up within
// ±ws around each noon, so the interval is cut by the windows of the day
// before, the day and the day after; a midnight sun can leave two pieces.
UpPart upPart(const SunDay& day, double w1, double w2) {
  const double ws = day.sunsetHourAngle;
  UpPart part;
  double longest = 0;
  for (int k = -1; k <= 1; ++k) {
    const double lo = std::max(w1, -ws + 360.0 * k);
    const double hi = std::min(w2, ws + 360.0 * k);
    if (hi <= lo) continue;
    part.degrees += hi - lo;
    part.integral += cosZenithIntegral(day, lo, hi);
    if (hi - lo > longest) {
      longest = hi - lo;
      part.middle = 0.5 * (lo + hi) - 360.0 * k;
    }
  }
  return part;
}

}  // namespace

double ExtraterrestrialNormal(int16_t dayOfYear) {
  return kSolarConstant * (1.0 + 0.033 * std::cos(360.0 * dayOfYear / 365.0 * kDegToRad));
}

double SolarTimeShift(int16_t dayOfYear, double longitude, double utcOffset) {
  return (4.0 * (longitude - 15.0 * utcOffset) + GetEoT_DOY(dayOfYear)) / 60.0;
}

SunDay SunOfDay(int16_t dayOfYear, double latitude, double longitude, double utcOffset,
                double radiationLag) {
  SunDay day;
  day.dayOfYear = dayOfYear;
  day.latitude = static_cast<float>(latitude);
  day.declination = GetDecl_DOY(dayOfYear);
  day.start = radiationLag + SolarTimeShift(dayOfYear, longitude, utcOffset);
  day.sunsetHourAngle = sunsetHourAngle(latitude, day.declination);
  day.normal = ExtraterrestrialNormal(dayOfYear);
  const double phi = latitude * kDegToRad;
  const double delta = day.declination * kDegToRad;
  day.sinLatSinDecl = std::sin(phi) * std::sin(delta);
  day.cosLatCosDecl = std::cos(phi) * std::cos(delta);
  return day;
}

HourSun SunUpOfHour(const SunDay& day, int hourOfDay) {
  HourSun sun;
  sun.dayOfYear = day.dayOfYear;
  sun.declination = day.declination;
  const double start = hourOfDay + day.start;
  sun.solarTime = static_cast<float>(start + 0.5);
  const UpPart up = upPart(day, 15.0 * (start - 12.0), 15.0 * (start - 11.0));
  if (up.degrees <= 0) return sun;
  sun.upHours = up.degrees / 15.0;
  sun.upSolarTime = static_cast<float>(12.0 + up.middle / 15.0);
  sun.upAltitude = GetAlt_TDL(sun.upSolarTime, sun.declination, day.latitude);
  sun.upAzimuth = GetAzi_TDL(sun.upSolarTime, sun.declination, day.latitude);
  sun.extraterrestrial = day.normal * std::max(0.0, up.integral);
  return sun;
}

HourSun SunOfHour(int16_t hourOfYear, double latitude, double longitude, double utcOffset,
                  double radiationLag) {
  const auto n = static_cast<int16_t>((hourOfYear - 1) / 24 + 1);
  HourSun sun =
      SunUpOfHour(SunOfDay(n, latitude, longitude, utcOffset, radiationLag), (hourOfYear - 1) % 24);
  const auto lat = static_cast<float>(latitude);
  sun.altitude = GetAlt_TDL(sun.solarTime, sun.declination, lat);
  sun.azimuth = GetAzi_TDL(sun.solarTime, sun.declination, lat);
  return sun;
}

}  // namespace vlm
