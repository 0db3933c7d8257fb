// Number-to-text conversions of the screens and reports.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vlm {

// The classic conversion: one leading space before a value that is not negative,
// a minus sign before a negative one, no leading zero before the decimal point
// (" .5", "-.25"), seven significant digits for a float and fifteen for a double,
// exponent form ("1E-05") for very small or large magnitudes.
[[nodiscard]] std::string Str(float value);
[[nodiscard]] std::string Str(double value);
[[nodiscard]] std::string Str(int value);

// Pattern formatting for "#0", "#0.0" … "#0.0000" and "0", "0.0" … "0.000000":
// at least one integer digit and exactly as many decimals as the pattern has
// after its point. Rounding is half away from zero on the value's shortest
// decimal text, so a float shows as the number a person reads (52.3f → "52.3",
// 0.25 → "0.3"). A negative value that rounds to zero keeps its sign ("-0.0").
[[nodiscard]] std::string Format(float value, std::string_view pattern);
[[nodiscard]] std::string Format(double value, std::string_view pattern);

// The shortest decimal text that reads back as the same float, with no leading
// space ("8760", "0.01", "-1.5"): used by JSON output and count labels.
[[nodiscard]] std::string ShortestText(float value);

}  // namespace vlm
