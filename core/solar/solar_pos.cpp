#include "core/solar/solar_pos.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/common/compute_error.h"

namespace vlm {
namespace {

// Tolerance of the arc cosine near 0 and ±1, a 32-bit threshold like the argument.
constexpr float kArcCosTolerance = 0.0001f;

constexpr std::array<int16_t, 12> kDaysBeforeMonth = {0,   31,  59,  90,  120, 151,
                                                      181, 212, 243, 273, 304, 334};

double rad(double degrees) { return degrees * kDegToRad; }

float hourAngle(float t) { return static_cast<float>((t - 12.0) * 15.0); }

}  // namespace

float ArcCosDeg(float x) {
  const float a = std::fabs(x);
  if (a < kArcCosTolerance) return 90.0f;
  if (std::fabs(a - 1.0f) < kArcCosTolerance) return x >= 0 ? 0.0f : 180.0f;
  const double root = checkedSqrt(1.0 - static_cast<double>(a) * a, "ArcCosDeg");
  const auto r = static_cast<float>(std::atan(root / a) / kDegToRad);
  return x >= 0 ? r : static_cast<float>(180.0 - r);
}

float ArcSinDeg(float x) {
  const float a = std::fabs(x);
  if (a == 0.0f) return 0.0f;
  if (a == 1.0f) return x == -1.0f ? -90.0f : 90.0f;
  const double root = checkedSqrt(1.0 - static_cast<double>(a) * a, "ArcSinDeg");
  const auto r = static_cast<float>(std::atan(a / root) / kDegToRad);
  return x >= 0 ? r : -r;
}

int16_t GetDOY_MD(int16_t month, int16_t day, MessageSink& sink) {
  if (month < 1 || month > 12) {
    Message message = errorMessage({kMonthRangeText});
    message.beep = true;
    sink.show(message);
    return 0;
  }
  return static_cast<int16_t>(day + kDaysBeforeMonth[static_cast<std::size_t>(month - 1)]);
}

float GetDecl_DOY(int16_t n) {
  const double turns = (284.0 + n) / 365.0;
  return static_cast<float>(23.45 * std::sin(rad(360.0 * turns)));
}

float GetEoT_DOY(int16_t n) {
  const auto b = static_cast<float>((n - 81) * 360.0 / 364.0);
  return static_cast<float>(9.87 * std::sin(rad(2.0 * b)) - 7.53 * std::cos(rad(b)) -
                            1.5 * std::sin(rad(b)));
}

float GetAlt_TDL(float t, float decl, float lat) {
  const float h = hourAngle(t);
  const auto s = static_cast<float>(std::cos(rad(lat)) * std::cos(rad(decl)) * std::cos(rad(h)) +
                                    std::sin(rad(decl)) * std::sin(rad(lat)));
  const float alt = ArcSinDeg(std::fabs(s));
  return s < 0 ? -alt : alt;
}

float GetAzi_TDL(float t, float decl, float lat) {
  const float alt = GetAlt_TDL(t, decl, lat);
  const auto k = static_cast<float>(
      checkedDivide(std::sin(rad(alt)) * std::sin(rad(lat)) - std::sin(rad(decl)),
                    std::cos(rad(lat)) * std::cos(rad(alt)), "GetAzi_TDL"));
  const float azi = ArcCosDeg(k);
  return hourAngle(t) < 0 ? -azi : azi;
}

float GetDayLen_LD(float lat, float decl) {
  const auto c = static_cast<float>(-std::tan(rad(lat)) * std::tan(rad(decl)));
  // Beyond ±1 the sun neither rises nor sets that day: polar night (0 h) above
  // +1, midnight sun (24 h) below −1, the arc cosine's two ends.
  return static_cast<float>(2.0 * ArcCosDeg(std::clamp(c, -1.0f, 1.0f)) / 15.0);
}

}  // namespace vlm
