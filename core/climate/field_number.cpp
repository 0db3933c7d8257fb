#include "core/climate/field_number.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <system_error>

#include "core/common/number_parse.h"

namespace vlm {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigitOrPoint(char c) { return (c >= '0' && c <= '9') || c == '.'; }

// The number's text without surrounding blanks and without a leading '+',
// or empty when the field cannot begin a decimal number (this also keeps
// "inf", "nan" and hexadecimal forms out).
std::string_view numberText(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  std::size_t first = 0;
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);  // from_chars takes no '+', and a '-' may not follow it
  } else if (!text.empty() && text.front() == '-') {
    first = 1;
  }
  if (text.size() <= first || !isDigitOrPoint(text[first])) return {};
  return text;
}

// The form nearly every weather field takes, "-12.3": when its digits read as
// one integer below 2^24 with at most ten of them after the point, both that
// integer and the power of ten are exact floats, so one float division rounds
// the value once, as the full conversion does, to the same bits. Any other
// text (blanks, a '+', an exponent, more digits) goes the full way.
constexpr std::uint32_t kExactFloatInteger = std::uint32_t{1} << 24;
constexpr std::array<float, 11> kPowersOfTen = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f,
                                                1e6f, 1e7f, 1e8f, 1e9f, 1e10f};

std::optional<float> shortDecimal(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  std::uint32_t digits = 0;
  std::size_t places = 0;
  bool point = false;
  bool anyDigit = false;
  for (const char c : text) {
    if (c >= '0' && c <= '9') {
      digits = digits * 10 + static_cast<std::uint32_t>(c - '0');
      if (digits > kExactFloatInteger) return std::nullopt;
      places += point ? 1 : 0;
      anyDigit = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return std::nullopt;
    }
  }
  if (!anyDigit || places >= kPowersOfTen.size()) return std::nullopt;
  const float value = static_cast<float>(digits) / kPowersOfTen[places];
  return negative ? -value : value;
}

template <typename T>
FieldFault parseWhole(std::string_view text, T& value) {
  const std::string_view number = numberText(text);
  if (number.empty()) return FieldFault::NotANumber;
  T parsed{};
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), parsed);
  // A number too small for the type ("1e-400") is no valid field, not a big one.
  if (error == std::errc::result_out_of_range)
    return OutOfRangeIsOverflow(number) ? FieldFault::OutOfRange : FieldFault::NotANumber;
  if (error != std::errc() || end != number.data() + number.size()) return FieldFault::NotANumber;
  if (!std::isfinite(parsed)) return FieldFault::NotANumber;
  value = parsed;
  return FieldFault::None;
}

}  // namespace

FieldFault parseSingleField(std::string_view text, float& value) {
  if (const auto decimal = shortDecimal(text)) {
    value = *decimal;
    return FieldFault::None;
  }
  return parseWhole(text, value);
}

FieldFault parseInt16Field(std::string_view text, int16_t& value) {
  double parsed = 0.0;
  const FieldFault fault = parseWhole(text, parsed);
  if (fault != FieldFault::None) return fault;
  const double rounded = std::nearbyint(parsed);  // the default mode rounds halves to even
  if (rounded < -32768.0 || rounded > 32767.0) return FieldFault::OutOfRange;
  value = static_cast<int16_t>(rounded);
  return FieldFault::None;
}

}  // namespace vlm
