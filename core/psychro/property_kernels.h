// The formulas of the property functions that the climate load applies to
// every hour, written once over an operation policy:
//   CheckedOps — each stored intermediate, division and logarithm guarded; the
//                first fault throws ComputeError naming the function (the
//                reference derivation, and every evaluation that faulted);
//   FlaggedOps — the same operations unguarded, remembering only whether any
//                guard would have thrown (or, for a quotient stored as exactly
//                ±FLT_MAX, might have), so that a whole hour, or one call of a
//                Psychrometrics member, is evaluated with one test at its end
//                and evaluated again with CheckedOps to name the fault.
// Both evaluate the same expressions in the same order and precision, so their
// results agree to the bit whenever no fault occurs.
#pragma once

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/common/compute_error.h"

namespace vlm::psychro_detail {

// Thermodynamic constants of moist air (SI, enthalpy in J/kg).
inline constexpr double kStandardPressure = 101.325;  // kPa at sea level
inline constexpr double kAltitudeCoefficient = 2.2558e-5;
inline constexpr double kAltitudeExponent = 5.256;
inline constexpr double kMolarRatio = 0.62198;  // water vapour / dry air
inline constexpr double kCpAir = 1005.0;
inline constexpr double kCpVapour = 1846.0;
inline constexpr double kLatentHeat = 2501000.0;  // vaporisation at 0 °C
inline constexpr double kCpWater = 4186.0;
inline constexpr double kCpIce = 2093.0;
inline constexpr double kHeatOfFusion = 333600.0;
inline constexpr double kKelvinOffset = 273.15;
inline constexpr double kGasConstantAir = 0.287055;  // kJ/(kg·K)
inline constexpr double kVapourVolumeFactor = 1.6078;

// A value beyond the float range is an overflow and a not-a-number an invalid
// argument; neither is carried on as a silent infinity or NaN.
inline float StoreSingle(double value, const char* where) {
  if (!(std::fabs(value) <= static_cast<double>(FLT_MAX))) [[unlikely]] {
    if (std::isnan(value)) throwInvalidArgument(where);
    throwOverflow(where);
  }
  return static_cast<float>(value);
}

struct CheckedOps {
  static float store(double value, const char* where) { return StoreSingle(value, where); }
  static double divide(double numerator, double denominator, const char* where) {
    return checkedDivide(numerator, denominator, where);
  }
  // A quotient stored as float: the division's guards, then the store's.
  static float storeQuotient(double numerator, double denominator, const char* where) {
    return StoreSingle(checkedDivide(numerator, denominator, where), where);
  }
  static double log(double x, const char* where) { return checkedLog(x, where); }
};

// The guards' conditions read from the bits of a double, so that they run on
// the integer units: the floating-point units are the busy ones here, and a
// compare on them costs as much as the work it guards in the short formulas.
// Shifted left once, the bits lose the sign and order as the magnitudes do,
// with the infinities above every finite value and the NaNs above those.
namespace guard_bits {
inline std::uint64_t magnitudeBits(double x) { return std::bit_cast<std::uint64_t>(x) << 1; }
inline constexpr std::uint64_t kInfinityBits =
    std::bit_cast<std::uint64_t>(std::numeric_limits<double>::infinity());

// !(|x| <= FLT_MAX): beyond the float range, or not a number.
inline bool beyondFloat(double x) {
  return magnitudeBits(x) > (std::bit_cast<std::uint64_t>(static_cast<double>(FLT_MAX)) << 1);
}
// !(|x| <= DBL_MAX): an infinity or not a number.
inline bool notFinite(double x) { return magnitudeBits(x) >= (kInfinityBits << 1); }
inline bool isZero(double x) { return magnitudeBits(x) == 0; }
// |f| ≥ FLT_MAX, or not a number.
inline bool atFloatLimit(float f) {
  return (std::bit_cast<std::uint32_t>(f) << 1) >= (std::bit_cast<std::uint32_t>(FLT_MAX) << 1);
}
// !(x > 0): zero, negative (−0 too) or not a number. Less one, the bits of
// every positive number up to +∞ stay below those of +∞, and the rest wrap
// above them.
inline bool notPositive(double x) { return std::bit_cast<std::uint64_t>(x) - 1 >= kInfinityBits; }
}  // namespace guard_bits

struct FlaggedOps {
  bool fault = false;
  float store(double value, const char*) {
    fault |= guard_bits::beyondFloat(value);
    return static_cast<float>(value);
  }
  double divide(double numerator, double denominator, const char*) {
    const double quotient = numerator / denominator;
    fault |= guard_bits::isZero(denominator);
    fault |= guard_bits::notFinite(quotient);
    return quotient;
  }
  // One test of the stored float covers the division's guards and the
  // store's: a zero denominator gives an infinity or a NaN, and a quotient
  // beyond the float range becomes ±FLT_MAX (within half a step of it), an
  // infinity or a NaN. Testing the float rather than the double shortens the
  // short formulas by an instruction; a true ±FLT_MAX is merely evaluated
  // again, guarded, to the same value.
  float storeQuotient(double numerator, double denominator, const char*) {
    const auto stored = static_cast<float>(numerator / denominator);
    fault |= guard_bits::atFloatLimit(stored);
    return stored;
  }
  double log(double x, const char*) {
    fault |= guard_bits::notPositive(x);
    return std::log(x);
  }
};

// Hyland–Wexler saturation pressure, over water above 0 °C and over ice at
// and below it.
template <typename Ops>
[[gnu::always_inline]] inline float psatDBT(float t, Ops& ops) {
  constexpr const char* where = "GetPsat_DBT";
  const float T = ops.store(t + kKelvinOffset, where);
  const double tk = T;
  const double lnT = ops.log(tk, where);
  double lnP = 0.0;
  if (t > 0.0f) {
    lnP = ops.divide(-5800.2206, tk, where) + 1.3914993 - 0.048640239 * tk +
          4.1764768e-5 * tk * tk - 1.4452093e-8 * tk * tk * tk + 6.5459673 * lnT;
  } else {
    lnP = ops.divide(-5674.5359, tk, where) + 6.3925247 - 0.009677843 * tk +
          6.2215701e-7 * tk * tk + 2.0747825e-9 * tk * tk * tk - 9.484024e-13 * tk * tk * tk * tk +
          4.1635019 * lnT;
  }
  const float exponent = ops.store(lnP, where);
  return ops.store(std::exp(static_cast<double>(exponent)) / 1000.0, where);
}

template <typename Ops>
float vpAH(float patm, float w, Ops& ops) {
  constexpr const char* where = "GetVP_AH";
  return ops.storeQuotient(static_cast<double>(patm) * w, w + kMolarRatio, where);
}

template <typename Ops>
float ahVP(float patm, float pv, Ops& ops) {
  constexpr const char* where = "GetAH_VP";
  return ops.storeQuotient(kMolarRatio * pv, static_cast<double>(patm) - pv, where);
}

// Relative humidity from the vapour pressure and the saturation pressure at
// the dry bulb.
template <typename Ops>
float rhOfSaturation(float pv, float pws, Ops& ops) {
  constexpr const char* where = "GetRH_DBTVP";
  return ops.storeQuotient(static_cast<double>(pv) * 100.0, pws, where);
}

template <typename Ops>
float rhDBTVP(float t, float pv, Ops& ops) {
  return rhOfSaturation(pv, psatDBT(t, ops), ops);
}

// Enthalpy of the condensed water at its own temperature: liquid at and above
// 0 °C, ice (with the heat of fusion taken away) below.
template <typename Ops>
float enthWT(float t, Ops& ops) {
  if (t >= 0.0f) return ops.store(kCpWater * t, "GetEnthW_T");
  return ops.store(kCpIce * t - kHeatOfFusion, "GetEnthW_T");
}

// Enthalpy of moist air.
template <typename Ops>
float enthDBTAH(float t, float w, Ops& ops) {
  return ops.store(kCpAir * t + static_cast<double>(w) * (kLatentHeat + kCpVapour * t),
                   "GetEnth_DBTAH");
}

// The wet-bulb equation at x for air of enthalpy h and humidity w, given the
// saturation pressure at x: the enthalpy of air saturated at x less h and
// less that of the water that saturating it evaporates. Zero at the wet bulb.
template <typename Ops>
float wetBulbResidual(float patm, float h, float w, float x, float psatX, Ops& ops) {
  const float ws = ahVP(patm, psatX, ops);
  const float hs = enthDBTAH(x, ws, ops);
  const float hw = enthWT(x, ops);
  return ops.store(static_cast<double>(hs) - h - (static_cast<double>(ws) - w) * hw,
                   "GetWBT_DBTAH");
}

// The thermodynamic wet-bulb equation solved for W, given the enthalpy of the
// water and the saturation pressure at the wet bulb.
template <typename Ops>
float ahOfWetBulb(float patm, float t, float twb, float hw, float psatWetBulb, Ops& ops) {
  constexpr const char* where = "GetAH_DBTWBT";
  const float ws = ahVP(patm, psatWetBulb, ops);
  const double numerator =
      (kLatentHeat + kCpVapour * twb - hw) * ws - kCpAir * (static_cast<double>(t) - twb);
  return ops.storeQuotient(numerator, kLatentHeat + kCpVapour * t - hw, where);
}

template <typename Ops>
float ahDBTWBT(float patm, float t, float twb, Ops& ops) {
  const float hw = enthWT(twb, ops);
  return ahOfWetBulb(patm, t, twb, hw, psatDBT(twb, ops), ops);
}

template <typename Ops>
float svDBTAH(float patm, float t, float w, Ops& ops) {
  constexpr const char* where = "GetSV_DBTAH";
  const double numerator = kGasConstantAir * (t + kKelvinOffset) * (1.0 + kVapourVolumeFactor * w);
  return ops.storeQuotient(numerator, patm, where);
}

}  // namespace vlm::psychro_detail
