#include "core/common/compute_error.h"

namespace vlm {

void throwDivisionByZero(const char* where) {
  throw ComputeError(std::string("0으로 나누었습니다. (") + where + ")");
}

void throwInvalidArgument(const char* where) {
  throw ComputeError(std::string("잘못된 프로시저 호출 또는 인수입니다. (") + where + ")");
}

void throwOverflow(const char* where) {
  throw ComputeError(std::string("오버플로입니다. (") + where + ")");
}

}  // namespace vlm
