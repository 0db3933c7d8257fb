#include "core/common/compute_error.h"

namespace vlm {

double checkedDivide(double numerator, double denominator, const char* where) {
  if (denominator == 0.0) throw ComputeError(std::string("0으로 나누었습니다. (") + where + ")");
  return checkedFinite(numerator / denominator, where);
}

double checkedLog(double x, const char* where) {
  if (!(x > 0.0)) throw ComputeError(std::string("잘못된 프로시저 호출 또는 인수입니다. (") + where + ")");
  return std::log(x);
}

double checkedSqrt(double x, const char* where) {
  if (!(x >= 0.0)) throw ComputeError(std::string("잘못된 프로시저 호출 또는 인수입니다. (") + where + ")");
  return std::sqrt(x);
}

double checkedFinite(double x, const char* where) {
  if (!std::isfinite(x)) throw ComputeError(std::string("오버플로입니다. (") + where + ")");
  return x;
}

}  // namespace vlm
