// The lenient numeric parse of the input boxes: the longest leading number of a
// text (leading blanks skipped), 0 when the text does not begin with one.
#pragma once

#include <string_view>

namespace vlm {

// "37.5abc" → 37.5, "abc" → 0, "   " → 0, "-2.5e1x" → -25, "12." → 12, ".5" → 0.5.
[[nodiscard]] double LeadingNumber(std::string_view text);

}  // namespace vlm
