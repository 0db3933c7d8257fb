// Event handlers that start work run it through guarded(): any failure (a file
// that cannot be read, a floating-point fault, anything else thrown) stops the
// work where it failed and shows its description in an "에러" box.
#pragma once

#include <functional>

#include "core/common/message.h"

namespace vlm {

// Runs `work`; returns true when it finished and false when it threw (after the
// box). Nothing that the work changed before the failure is rolled back.
bool guarded(MessageSink& sink, const std::function<void()>& work);

}  // namespace vlm
