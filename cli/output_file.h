// The rule for every file vlm-cli writes: an existing target is replaced only
// with --yes; without it the command asks the screen's question on stderr and
// refuses with exit status 1.
#pragma once

#include <string>

#include "core/common/message.h"

namespace vlm::cli {

struct Context;

// The save dialog's overwrite question for `path`.
[[nodiscard]] Message overwriteQuestion(const std::string& path);

// True when `path` may be written; otherwise prints `question` and sets exit status 1.
[[nodiscard]] bool mayWrite(Context& ctx, const std::string& path, bool yes,
                            const Message& question);

}  // namespace vlm::cli
