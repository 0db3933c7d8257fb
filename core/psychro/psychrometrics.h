// Moist-air property functions at one pressure, Patm (kPa), that every
// conversion between absolute humidity and vapour pressure reads.
//
// Units: temperatures °C; absolute humidity W in kg/kg'; relative humidity %;
// pressures kPa; enthalpy J per kg of dry air; specific volume m³/kg.
// Every argument and result is a float; intermediate expressions are double and
// each named intermediate is stored as float. A floating-point fault (division
// by zero, logarithm of a non-positive number, an overflow) throws ComputeError.
// No function knows the climate file's missing-value markers: callers test first.
#pragma once

#include <optional>

#include "core/psychro/property_kernels.h"
#include "core/psychro/saturation_memo.h"

namespace vlm {

class Psychrometrics {
 public:
  // The pressure of every conversion. Whoever computes next overwrites it.
  float Patm = 0.0f;

  // Patm = 101.325 × (1 − 2.2558e-5 × Z)^5.256 for altitude Z in metres.
  void SetPatm_Alt(float altitude);

  [[nodiscard]] float GetPsat_DBT(float t) const;
  [[nodiscard]] float GetDPT_VP(float pv) const;
  [[nodiscard]] float GetVP_DBTRH(float t, float rh) const;
  // GetVP_AH and GetSV_DBTAH, one division each, are evaluated here,
  // unguarded with one fault test, so that a caller's loop pays no call for
  // them; a fault goes to the guarded evaluation, which throws naming the
  // function.
  [[nodiscard]] float GetVP_AH(float w) const {
    psychro_detail::FlaggedOps ops;
    const float vp = psychro_detail::vpAH(Patm, w, ops);
    if (ops.fault) [[unlikely]]
      return checkedVP_AH(w);
    return vp;
  }
  [[nodiscard]] float GetAH_VP(float pv) const;
  [[nodiscard]] float GetAH_DBTRH(float t, float rh) const;
  [[nodiscard]] float GetAH_DBTWBT(float t, float twb) const;
  [[nodiscard]] float GetAH_DBTEnth(float t, float h) const;
  [[nodiscard]] float GetRH_DBTVP(float t, float pv) const;
  [[nodiscard]] float GetRH_DBTAH(float t, float w) const;
  [[nodiscard]] float GetEnth_DBTAH(float t, float w) const;
  [[nodiscard]] float GetEnthW_T(float t) const;
  [[nodiscard]] float GetSV_DBTAH(float t, float w) const {
    psychro_detail::FlaggedOps ops;
    const float sv = psychro_detail::svDBTAH(Patm, t, w, ops);
    if (ops.fault) [[unlikely]]
      return checkedSV_DBTAH(t, w);
    return sv;
  }
  // Newton from the dry bulb; an estimate that does not give back w (within
  // 0.1 %), or a solve that faults, is replaced by halving the bracket between
  // dew point and dry bulb. Only air without that bracket throws.
  [[nodiscard]] float GetWBT_DBTAH(float t, float w) const;
  // The same two, taking saturation pressures computed before from `memo`
  // and leaving the new ones there: the same results, for a run of hours.
  [[nodiscard]] float GetPsat_DBT(float t, SaturationMemo& memo) const;
  [[nodiscard]] float GetWBT_DBTAH(float t, float w, SaturationMemo& memo) const;
  [[nodiscard]] float GetDBT_AHWBT(float w, float twb) const;
  [[nodiscard]] float GetDBT_AHEnth(float w, float h) const;
  [[nodiscard]] float GetDBT_AHRH(float w, float rh) const;
  [[nodiscard]] float GetDBT_RHVP(float rh, float pv) const;
  [[nodiscard]] float GetDBT_RHEnth(float rh, float h) const;
  [[nodiscard]] float GetDBT_RHWBT(float rh, float twb) const;
  [[nodiscard]] float GetDBT_EnthWBT(float h, float twb) const;

  [[nodiscard]] static float MinOf(float a, float b) { return a > b ? b : a; }
  [[nodiscard]] static float MaxOf(float a, float b) { return a >= b ? a : b; }

 private:
  [[nodiscard]] float checkedVP_AH(float w) const;
  [[nodiscard]] float checkedSV_DBTAH(float t, float w) const;
  [[nodiscard]] float settledWetBulb(float t, float w, float newton) const;
  [[nodiscard]] float faultedWetBulb(float t, float w) const;
  [[nodiscard]] std::optional<float> bisectWetBulb(float t, float w, float estimate) const;
};

}  // namespace vlm
