// Solar geometry from a calendar date, an apparent solar time and a latitude.
//
// Conventions shared by the sun-path diagram and the shading masks:
//   - solar time t in hours, 12 = solar noon (no longitude, zone or daylight saving);
//   - hour angle H = 15·(t − 12) degrees, negative in the morning;
//   - latitude φ in degrees, north positive; declination δ in degrees;
//   - altitude α in degrees above the horizon (negative below it);
//   - azimuth A in degrees from due south, negative towards the east (morning),
//     positive towards the west, ±180 = due north;
//   - equation of time in minutes, day length in hours.
// Arguments and results are floats (day of year, month and day 16-bit integers);
// intermediate expressions are double. Degrees convert to radians with π taken as
// 3.1415926 here and in the diagrams alike, so that their figures agree to the last digit.
// An argument outside an inverse function's domain throws ComputeError.
#pragma once

#include <cstdint>

#include "core/common/message.h"

namespace vlm {

// π as the solar functions and the diagrams use it, and the degree factor.
inline constexpr double kSolarPi = 3.1415926;
inline constexpr double kDegToRad = kSolarPi / 180.0;

// The month message of GetDOY_MD.
inline constexpr const char* kMonthRangeText = "1 <= 월 <= 12 !";

// Arc cosine in degrees (0 … 180) built from the arc tangent and the square root.
// Within 0.0001 of 0 it gives exactly 90 and within 0.0001 of ±1 exactly 0 or 180,
// so that rounding in a cosine computed just above 1 does not fault.
[[nodiscard]] float ArcCosDeg(float x);
// Arc sine in degrees (−90 … 90); only exactly 0 and ±1 are special.
[[nodiscard]] float ArcSinDeg(float x);

// Day of the year 1 … 365 of a non-leap year; the day is not checked against the
// month's length. A month outside 1 … 12 reports "1 <= 월 <= 12 !" (with a beep)
// and gives 0.
[[nodiscard]] int16_t GetDOY_MD(int16_t month, int16_t day, MessageSink& sink);
// Declination by Cooper's equation: 23.45·sin(360·(284 + n)/365).
[[nodiscard]] float GetDecl_DOY(int16_t n);
// Equation of time in minutes, B = 360·(n − 81)/364.
[[nodiscard]] float GetEoT_DOY(int16_t n);
// Solar altitude at solar time t for declination and latitude.
[[nodiscard]] float GetAlt_TDL(float t, float decl, float lat);
// Solar azimuth; negative before noon, 0 at noon for a sun south of the zenith.
[[nodiscard]] float GetAzi_TDL(float t, float decl, float lat);
// Hours from sunrise to sunset: 2·arccos(−tan φ·tan δ)/15; 24 on a day the sun
// does not set and 0 on one it does not rise (beyond the polar circles).
[[nodiscard]] float GetDayLen_LD(float lat, float decl);

}  // namespace vlm
