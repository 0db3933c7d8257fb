// Reading one numeric field of a weather file the way the old systems'
// numeric conversion does: blanks around the number are allowed, anything
// else in the field is not, and a value the target type cannot hold is a
// fault rather than a silently wrong number.
#pragma once

#include <cstdint>
#include <string_view>

namespace vlm {

enum class FieldFault {
  None,
  NotANumber,  // empty, blank, letters, "inf", "nan", a second number …
  OutOfRange,  // a number the target type cannot hold
};

// Single precision, rounded once from the text. Non-finite values are not numbers.
[[nodiscard]] FieldFault parseSingleField(std::string_view text, float& value);
// A 16-bit integer; a fraction rounds to the nearest integer, halves to the even one.
[[nodiscard]] FieldFault parseInt16Field(std::string_view text, int16_t& value);

}  // namespace vlm
