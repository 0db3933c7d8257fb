// A floating-point fault inside a computation (division by zero, logarithm or
// square root out of its domain). Pages and the CLI turn it into an "에러" box
// with what() as its text; it never escapes as a silent NaN.
//
// The guards are inline so that a guarded formula costs a compare and a
// predictable branch per operation; the throwing itself is out of line.
#pragma once

#include <cmath>
#include <stdexcept>
#include <string>

namespace vlm {

class ComputeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The three faults' messages, thrown; `where` names the function.
[[noreturn]] void throwDivisionByZero(const char* where);
[[noreturn]] void throwInvalidArgument(const char* where);
[[noreturn]] void throwOverflow(const char* where);

// Throws when a result is not a finite number.
inline double checkedFinite(double x, const char* where) {
  if (!std::isfinite(x)) [[unlikely]]
    throwOverflow(where);
  return x;
}

// Guards for the three faults; `where` names the function for the message.
inline double checkedDivide(double numerator, double denominator, const char* where) {
  if (denominator == 0.0) [[unlikely]]
    throwDivisionByZero(where);
  return checkedFinite(numerator / denominator, where);
}

inline double checkedLog(double x, const char* where) {
  if (!(x > 0.0)) [[unlikely]]
    throwInvalidArgument(where);
  return std::log(x);
}

inline double checkedSqrt(double x, const char* where) {
  if (!(x >= 0.0)) [[unlikely]]
    throwInvalidArgument(where);
  return std::sqrt(x);
}

}  // namespace vlm
