// The lenient numeric parse of the input boxes: the longest leading number of a
// text (leading blanks skipped), 0 when the text does not begin with one.
#pragma once

#include <string_view>

namespace vlm {

// "37.5abc" → 37.5, "abc" → 0, "   " → 0, "-2.5e1x" → -25, "12." → 12, ".5" → 0.5.
// A number beyond double range ("1e400") is ±infinity, an overflow for the
// caller to refuse; one too small for a double ("1e-400") is 0.
[[nodiscard]] double LeadingNumber(std::string_view text);

// True when the text is a number and nothing else but blanks around it, so
// that LeadingNumber reads all of it: "25", " -2.5e1 ", "12." but not "25도",
// "abc", "   " or "".
[[nodiscard]] bool IsPlainNumber(std::string_view text);

// For a decimal number that std::from_chars found out of range: true when it
// is too large in magnitude, false when it is too small (an underflow).
[[nodiscard]] bool OutOfRangeIsOverflow(std::string_view number);

}  // namespace vlm
