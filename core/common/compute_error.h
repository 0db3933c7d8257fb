// A floating-point fault inside a computation (division by zero, logarithm or
// square root out of its domain). Pages and the CLI turn it into an "에러" box
// with what() as its text; it never escapes as a silent NaN.
#pragma once

#include <cmath>
#include <stdexcept>
#include <string>

namespace vlm {

class ComputeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Guards for the three faults; `where` names the function for the message.
double checkedDivide(double numerator, double denominator, const char* where);
double checkedLog(double x, const char* where);
double checkedSqrt(double x, const char* where);
// Throws when a result is not a finite number.
double checkedFinite(double x, const char* where);

}  // namespace vlm
