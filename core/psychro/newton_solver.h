// Building blocks of the property functions: storing an intermediate in single
// precision without letting an overflow or a NaN pass, and the Newton
// iteration of the four temperature solvers.
#pragma once

#include <cmath>

#include "core/common/compute_error.h"
#include "core/psychro/property_kernels.h"

namespace vlm::psychro_detail {

inline constexpr float kNewtonStep = 0.1f;       // °C, forward-difference step
inline constexpr float kNewtonTolerance = 0.2f;  // °C, bound on the last step
inline constexpr int kNewtonIterationLimit = 100;

// x' = x − g(x)/s with s = (g(x + 0.1) − g(x)) / 0.1, each stored as float.
// Returns x' once |x' − x| ≤ 0.2 (taken in float), or the hundredth estimate
// as it stands. A flat residual (zero slope) throws ComputeError.
template <typename Residual>
float SolveNewton(float start, Residual&& g, const char* where) {
  float x = start;
  for (int iteration = 1;; ++iteration) {
    const float gx = g(x);
    const float xStep = StoreSingle(static_cast<double>(x) + kNewtonStep, where);
    const float gStep = g(xStep);
    const float slope =
        StoreSingle(checkedDivide(static_cast<double>(gStep) - gx, kNewtonStep, where), where);
    const float next = StoreSingle(x - checkedDivide(gx, slope, where), where);
    const float change = next - x;
    if (std::fabs(change) <= kNewtonTolerance || iteration >= kNewtonIterationLimit) return next;
    x = next;
  }
}

}  // namespace vlm::psychro_detail
