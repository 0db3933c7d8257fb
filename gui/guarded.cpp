#include "gui/guarded.h"

#include <exception>
#include <string>

namespace vlm {

bool guarded(MessageSink& sink, const std::function<void()>& work) {
  std::string description;
  try {
    work();
    return true;
  } catch (const std::exception& failure) {
    description = failure.what();
  } catch (...) {
    description = "알 수 없는 오류가 발생했습니다.";
  }
  // The box is shown outside the handler, so a failure inside the sink itself
  // cannot be swallowed as the work's failure.
  sink.show(errorMessage({description}));
  return false;
}

}  // namespace vlm
