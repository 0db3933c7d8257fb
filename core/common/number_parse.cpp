#include "core/common/number_parse.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

namespace vlm {
namespace {

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

std::size_t skipDigits(std::string_view text, std::size_t i) {
  while (i < text.size() && isDigit(text[i])) ++i;
  return i;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Where the leading number lies, after the leading blanks; an empty span when
// the text does not begin with one.
struct Span {
  std::size_t start = 0, end = 0;
};

Span leadingNumberSpan(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && isBlank(text[i])) ++i;
  const std::size_t start = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const std::size_t intStart = i;
  i = skipDigits(text, i);
  bool anyDigit = i > intStart;
  if (i < text.size() && text[i] == '.') {
    const std::size_t fracStart = i + 1;
    const std::size_t fracEnd = skipDigits(text, fracStart);
    anyDigit = anyDigit || fracEnd > fracStart;
    i = fracEnd;
  }
  if (!anyDigit) return {start, start};
  std::size_t end = i;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    const std::size_t expEnd = skipDigits(text, j);
    if (expEnd > j) end = expEnd;
  }
  return {start, end};
}

}  // namespace

double LeadingNumber(std::string_view text) {
  const auto [start, end] = leadingNumberSpan(text);
  if (start == end) return 0.0;
  std::string number(text.substr(start, end - start));
  if (!number.empty() && number[0] == '+') number.erase(0, 1);
  double value = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    const bool negative = number[0] == '-';
    if (!OutOfRangeIsOverflow(number)) return negative ? -0.0 : 0.0;
    return negative ? -HUGE_VAL : HUGE_VAL;
  }
  if (result.ec != std::errc()) return 0.0;
  return value;
}

bool IsPlainNumber(std::string_view text) {
  const auto [start, end] = leadingNumberSpan(text);
  if (start == end) return false;
  return std::all_of(text.begin() + static_cast<std::ptrdiff_t>(end), text.end(), isBlank);
}

bool OutOfRangeIsOverflow(std::string_view number) {
  // The wider type holds most such numbers; beyond it the exponent's sign tells.
  long double wide = 0.0L;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), wide);
  if (result.ec == std::errc()) return std::fabs(wide) >= 1.0L;
  const std::size_t e = number.find_first_of("eE");
  return e == std::string_view::npos || e + 1 >= number.size() || number[e + 1] != '-';
}

}  // namespace vlm
