#include "core/psychro/psychrometrics.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <utility>

#include "core/common/compute_error.h"
#include "core/psychro/newton_solver.h"

namespace vlm {

using namespace psychro_detail;

namespace {

float single(double value, const char* where) { return psychro_detail::StoreSingle(value, where); }

double divide(double numerator, double denominator, const char* where) {
  return checkedDivide(numerator, denominator, where);
}

// The kernel evaluated once unguarded, with a single fault test at its end;
// after a fault, once more guarded, which throws naming the function where the
// first fault arose. Both evaluations compute the same values, so a result is
// the same to the bit whichever way it is reached. The arguments travel apart
// from the kernel so that the first evaluation sets nothing aside for the rare
// second one.
template <typename Kernel, typename... Args>
[[gnu::noinline]] float evaluateChecked(Kernel kernel, Args... args) {
  const CheckedOps ops;
  return kernel(ops, args...);
}

template <typename Kernel, typename... Args>
float evaluate(Kernel kernel, Args... args) {
  FlaggedOps ops;
  const float value = kernel(ops, args...);
  if (!ops.fault) [[likely]]
    return value;
  return evaluateChecked(kernel, args...);
}

// The wet bulb found must give back the humidity it was solved for within
// this share (and within a floor for the driest air).
constexpr double kHumidityTolerance = 1e-3;
constexpr double kHumidityFloor = 1e-7;  // kg/kg'
constexpr int kBisectionSteps = 64;

bool reproducesHumidity(float ratio, float w) {
  const double allowed = std::max(kHumidityTolerance * std::fabs(w), kHumidityFloor);
  return std::fabs(static_cast<double>(ratio) - w) <= allowed;
}

template <typename Residual>
float solveNewton(float start, Residual&& g, const char* where) {
  return psychro_detail::SolveNewton(start, std::forward<Residual>(g), where);
}

}  // namespace

void Psychrometrics::SetPatm_Alt(float altitude) {
  const double base = 1.0 - kAltitudeCoefficient * altitude;
  // Above about 44 km the standard atmosphere has no pressure left: a negative
  // base has no real power.
  if (!(base >= 0.0)) {
    throw ComputeError("잘못된 프로시저 호출 또는 인수입니다. (SetPatm_Alt)");
  }
  Patm = single(kStandardPressure * std::pow(base, kAltitudeExponent), "SetPatm_Alt");
}

float Psychrometrics::GetPsat_DBT(float t) const {
  return evaluate([](auto& ops, float t) { return psatDBT(t, ops); }, t);
}

// Cubic fit in the logarithm of the pressure in Pa; the branch compares the
// single-precision pressure with 611.2 Pa, the triple point.
float Psychrometrics::GetDPT_VP(float pv) const {
  constexpr const char* where = "GetDPT_VP";
  const float p = single(pv * 1000.0, where);
  const float a = single(checkedLog(p, where), where);
  const double x = a;
  if (p < 611.2f) {
    return single(0.016321 * x * x * x + 0.20594 * x * x + 7.4624 * x - 60.662, where);
  }
  return single(0.071098 * x * x * x - 0.63772 * x * x + 13.198 * x - 77.199, where);
}

float Psychrometrics::GetVP_DBTRH(float t, float rh) const {
  const float pws = GetPsat_DBT(t);
  return single(static_cast<double>(pws) * rh / 100.0, "GetVP_DBTRH");
}

float Psychrometrics::checkedVP_AH(float w) const {
  const CheckedOps ops;
  return vpAH(Patm, w, ops);
}

float Psychrometrics::GetAH_VP(float pv) const {
  return evaluate([this](auto& ops, float pv) { return ahVP(Patm, pv, ops); }, pv);
}

float Psychrometrics::GetAH_DBTRH(float t, float rh) const { return GetAH_VP(GetVP_DBTRH(t, rh)); }

float Psychrometrics::GetRH_DBTVP(float t, float pv) const {
  return evaluate([](auto& ops, float t, float pv) { return rhDBTVP(t, pv, ops); }, t, pv);
}

// The vapour pressure of w, then the relative humidity of that pressure.
float Psychrometrics::GetRH_DBTAH(float t, float w) const {
  return evaluate(
      [this](auto& ops, float t, float w) { return rhDBTVP(t, vpAH(Patm, w, ops), ops); }, t, w);
}

float Psychrometrics::GetDBT_RHVP(float rh, float pv) const {
  constexpr const char* where = "GetDBT_RHVP";
  const float saturation = single(divide(100.0, rh, where) * pv, where);
  return GetDPT_VP(saturation);
}

float Psychrometrics::GetDBT_AHRH(float w, float rh) const { return GetDBT_RHVP(rh, GetVP_AH(w)); }

float Psychrometrics::GetEnth_DBTAH(float t, float w) const {
  const CheckedOps ops;
  return enthDBTAH(t, w, ops);
}

float Psychrometrics::GetDBT_AHEnth(float w, float h) const {
  constexpr const char* where = "GetDBT_AHEnth";
  return single(divide(h - kLatentHeat * w, kCpAir + kCpVapour * w, where), where);
}

float Psychrometrics::GetAH_DBTEnth(float t, float h) const {
  constexpr const char* where = "GetAH_DBTEnth";
  return single(divide(h - kCpAir * t, kLatentHeat + kCpVapour * t, where), where);
}

float Psychrometrics::GetEnthW_T(float t) const {
  return evaluate([](auto& ops, float t) { return enthWT(t, ops); }, t);
}

float Psychrometrics::GetAH_DBTWBT(float t, float twb) const {
  return evaluate([this](auto& ops, float t, float twb) { return ahDBTWBT(Patm, t, twb, ops); }, t,
                  twb);
}

// The same equation solved for the dry-bulb temperature.
float Psychrometrics::GetDBT_AHWBT(float w, float twb) const {
  constexpr const char* where = "GetDBT_AHWBT";
  const float hw = GetEnthW_T(twb);
  const float ws = GetAH_VP(GetPsat_DBT(twb));
  const double numerator = (kLatentHeat + kCpVapour * twb - hw) * ws + kCpAir * twb -
                           (kLatentHeat - hw) * static_cast<double>(w);
  return single(divide(numerator, kCpAir + kCpVapour * w, where), where);
}

float Psychrometrics::checkedSV_DBTAH(float t, float w) const {
  const CheckedOps ops;
  return svDBTAH(Patm, t, w, ops);
}

// Wet bulb: the temperature at which saturated air has the enthalpy of the
// given air plus that of the water evaporated into it, by Newton's method
// from the dry bulb; `psat` gives the saturation pressure at an estimate.
namespace {
template <typename Ops, typename Saturation>
float solveWetBulb(float patm, float t, float w, Ops& ops, Saturation&& psat) {
  const float h = enthDBTAH(t, w, ops);
  const auto residual = [&](float x) { return wetBulbResidual(patm, h, w, x, psat(x), ops); };
  return SolveNewton(t, residual, "GetWBT_DBTAH", ops);
}

// The whole Newton solve as one kernel evaluation, faults tested once at its end.
constexpr auto kWetBulbNewton = [](const Psychrometrics& p, auto& ops, float t, float w) {
  return solveWetBulb(p.Patm, t, w, ops, [&ops](float x) { return psatDBT(x, ops); });
};
}  // namespace

float Psychrometrics::GetWBT_DBTAH(float t, float w) const {
  FlaggedOps ops;
  const float newton = kWetBulbNewton(*this, ops, t, w);
  if (ops.fault) [[unlikely]]
    return faultedWetBulb(t, w);
  return settledWetBulb(t, w, newton);
}

float Psychrometrics::GetPsat_DBT(float t, SaturationMemo& memo) const {
  FlaggedOps ops;
  const float psat = memo.psat(t, ops);
  if (ops.fault) [[unlikely]]
    return GetPsat_DBT(t);
  return psat;
}

// A fault is dealt with as without the memo, which remembers nothing of it.
float Psychrometrics::GetWBT_DBTAH(float t, float w, SaturationMemo& memo) const {
  FlaggedOps ops;
  const float newton = solveWetBulb(Patm, t, w, ops, [&](float x) { return memo.psat(x, ops); });
  if (ops.fault) [[unlikely]]
    return GetWBT_DBTAH(t, w);
  return settledWetBulb(t, w, newton);
}

// The Newton estimate when it gives back w (within 0.1 %), else the bracket's.
float Psychrometrics::settledWetBulb(float t, float w, float newton) const {
  if (reproducesHumidity(GetAH_DBTWBT(t, newton), w)) return newton;
  return bisectWetBulb(t, w, newton).value_or(newton);
}

// Just below 0 °C a Newton step across the switch from the ice to the water
// formulas meets a residual that jumps by the heat of fusion, and the next
// step can leap below absolute zero. Air with a bracket still has its wet bulb
// in it; without one, the guarded solve throws naming the first fault.
float Psychrometrics::faultedWetBulb(float t, float w) const {
  try {
    if (const auto bracketed = bisectWetBulb(t, w, t)) return *bracketed;
  } catch (const ComputeError&) {
    // No bracket to be had either: the Newton fault is the one to name.
  }
  const CheckedOps ops;
  return kWetBulbNewton(*this, ops, t, w);
}

// Near 0 °C the residual jumps where the water formulas give way to the ice
// formulas, and the Newton steps can settle far from the root. The wet bulb
// lies between the dew point and the dry bulb, and the humidity of the wet-bulb
// equation rises with it there, so halving that bracket finds it; `estimate`
// stands until a point of the bracket does better. Air without such a bracket
// (supersaturated, or without vapour) has nothing to halve.
std::optional<float> Psychrometrics::bisectWetBulb(float t, float w, float estimate) const {
  if (!(w > 0.0f) || GetAH_VP(GetPsat_DBT(t)) < w) return std::nullopt;
  float low = GetDPT_VP(GetVP_AH(w));
  float high = t;
  if (!(low <= high)) return std::nullopt;
  float best = estimate;
  float bestError = std::fabs(GetAH_DBTWBT(t, estimate) - w);
  for (int step = 0; step < kBisectionSteps; ++step) {
    const float mid = single(0.5 * (static_cast<double>(low) + high), "GetWBT_DBTAH");
    if (mid == low || mid == high) break;
    const float ratio = GetAH_DBTWBT(t, mid);
    const float error = std::fabs(ratio - w);
    if (error < bestError) {
      best = mid;
      bestError = error;
    }
    if (reproducesHumidity(ratio, w)) break;
    (ratio < w ? low : high) = mid;
  }
  return best;
}

float Psychrometrics::GetDBT_EnthWBT(float h, float twb) const {
  const auto residual = [&](float x) {
    const float dbt = GetDBT_AHWBT(GetAH_DBTEnth(x, h), twb);
    return single(static_cast<double>(x) - dbt, "GetDBT_EnthWBT");
  };
  return solveNewton(twb, residual, "GetDBT_EnthWBT");
}

float Psychrometrics::GetDBT_RHWBT(float rh, float twb) const {
  const auto residual = [&](float x) {
    const float dbt = GetDBT_AHWBT(GetAH_DBTRH(x, rh), twb);
    return single(static_cast<double>(x) - dbt, "GetDBT_RHWBT");
  };
  return solveNewton(twb, residual, "GetDBT_RHWBT");
}

// Starts from the dry-air temperature of the enthalpy, but no warmer than 30 °C.
float Psychrometrics::GetDBT_RHEnth(float rh, float h) const {
  const float start = MinOf(GetDBT_AHEnth(0.0f, h), 30.0f);
  const auto residual = [&](float x) {
    const float hx = GetEnth_DBTAH(x, GetAH_DBTRH(x, rh));
    return single(static_cast<double>(h) - hx, "GetDBT_RHEnth");
  };
  return solveNewton(start, residual, "GetDBT_RHEnth");
}

}  // namespace vlm
