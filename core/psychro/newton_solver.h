// Building blocks of the property functions: storing an intermediate in single
// precision without letting an overflow or a NaN pass, and the Newton
// iteration of the four temperature solvers.
#pragma once

#include <cmath>
#include <utility>

#include "core/common/compute_error.h"
#include "core/psychro/property_kernels.h"

namespace vlm::psychro_detail {

inline constexpr float kNewtonStep = 0.1f;       // °C, forward-difference step
inline constexpr float kNewtonTolerance = 0.2f;  // °C, bound on the last step
inline constexpr int kNewtonIterationLimit = 100;

// x' = x − g(x)/s with s = (g(x + 0.1) − g(x)) / 0.1, each stored as float.
// Returns x' once |x' − x| ≤ 0.2 (taken in float), or the hundredth estimate
// as it stands. A flat residual (zero slope) is a division fault of `ops`:
// CheckedOps throws ComputeError; FlaggedOps stops at the first fault, whose
// estimate the caller discards.
template <typename Residual, typename Ops>
float SolveNewton(float start, Residual&& g, const char* where, Ops& ops) {
  float x = start;
  for (int iteration = 1;; ++iteration) {
    const float gx = g(x);
    const float xStep = ops.store(static_cast<double>(x) + kNewtonStep, where);
    const float gStep = g(xStep);
    const float slope =
        ops.store(ops.divide(static_cast<double>(gStep) - gx, kNewtonStep, where), where);
    const float next = ops.store(x - ops.divide(gx, slope, where), where);
    if constexpr (requires { ops.fault; }) {
      if (ops.fault) return next;
    }
    const float change = next - x;
    if (std::fabs(change) <= kNewtonTolerance || iteration >= kNewtonIterationLimit) return next;
    x = next;
  }
}

template <typename Residual>
float SolveNewton(float start, Residual&& g, const char* where) {
  const CheckedOps ops;
  return SolveNewton(start, std::forward<Residual>(g), where, ops);
}

}  // namespace vlm::psychro_detail
