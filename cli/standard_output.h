// The end of a run: whatever was written to standard output must have reached
// it. A full disk or a closed pipe found only when the buffer is flushed is a
// platform failure (exit status 2), not a success.
#pragma once

#include <cstdio>
#include <iosfwd>

namespace vlm::cli {

// Flushes `stream` and `file` (the C stream beneath it). When either failed,
// prints the platform's description to `err` and returns 2; else `status`.
[[nodiscard]] int finishStandardOutput(int status, std::ostream& stream, std::FILE* file,
                                       std::ostream& err);

}  // namespace vlm::cli
