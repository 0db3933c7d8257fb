// The sun of one stored hour of a climate year, and the extraterrestrial
// irradiation that the hour could receive on a horizontal plane.
//
// A stored hour H (0 … 23) of a day stands for the interval H:00 … H+1:00 of the
// site's standard time; its radiation is what was received over that interval.
// The hour's sun is placed at the interval's middle, converted to apparent solar
// time from the site's longitude, its time zone's standard meridian (15° per hour
// of UTC offset) and the equation of time. Longitudes are east positive, the UTC
// offset in hours; angles follow the solar-position functions (azimuth from
// south, negative east).
//
// A source whose radiation was received over another interval than its
// stored hour's says by how many hours that interval starts after H:00
// (`radiationLag`; 0 by the convention above): the sun and the
// extraterrestrial irradiation are then taken over that interval.
#pragma once

#include <cstdint>

namespace vlm {

// The solar constant, W/m².
inline constexpr double kSolarConstant = 1367.0;

struct HourSun {
  int16_t dayOfYear = 0;
  float declination = 0;
  // Apparent solar time (hours) at the interval's middle, and the sun there.
  float solarTime = 0;
  float altitude = 0;
  float azimuth = 0;
  // Hours of the interval with the sun's centre above the horizon, and the sun
  // at the middle of that part: where a sunrise or sunset hour's beam comes from.
  double upHours = 0;
  float upSolarTime = 0;
  float upAltitude = 0;
  float upAzimuth = 0;
  // Extraterrestrial irradiation on a horizontal plane over the sun-up part, J/m².
  double extraterrestrial = 0;

  [[nodiscard]] bool sunUp() const { return upHours > 0; }
};

// Extraterrestrial irradiance on a plane normal to the sun on day n, W/m²:
// the solar constant corrected for the earth's orbit, 1 + 0.033·cos(360·n/365).
[[nodiscard]] double ExtraterrestrialNormal(int16_t dayOfYear);

// Hours from the site's standard time to apparent solar time on day n:
// 4 minutes per degree of longitude east of the standard meridian, plus the
// equation of time.
[[nodiscard]] double SolarTimeShift(int16_t dayOfYear, double longitude, double utcOffset);

// What every hour of a day shares: the declination, where the day's stored
// hours start in solar time, the sunset hour angle (0 … 180°, clamped where
// the sun does not rise or set) and the orbit's correction.
struct SunDay {
  int16_t dayOfYear = 0;
  float latitude = 0;
  float declination = 0;
  double start = 0;  // solar time at 0:00 standard time plus the radiation's lag, hours
  double sunsetHourAngle = 0;
  double normal = 0;  // ExtraterrestrialNormal
  double sinLatSinDecl = 0, cosLatCosDecl = 0;
};

[[nodiscard]] SunDay SunOfDay(int16_t dayOfYear, double latitude, double longitude,
                              double utcOffset, double radiationLag = 0);

// The hour's sun-up part and its extraterrestrial irradiation, and its solar
// time; without the sun at the interval's middle (altitude and azimuth 0), which
// transposition does not need.
[[nodiscard]] HourSun SunUpOfHour(const SunDay& day, int hourOfDay);

// The sun of hour of the year 1 … 8760 at latitude, longitude and UTC offset.
[[nodiscard]] HourSun SunOfHour(int16_t hourOfYear, double latitude, double longitude,
                                double utcOffset, double radiationLag = 0);

}  // namespace vlm
