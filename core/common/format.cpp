#include "core/common/format.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <stdexcept>

namespace vlm {
namespace {

// Removes the zero before the decimal point: "0.5" → ".5", "-0.5" → "-.5".
std::string dropLeadingZero(std::string text) {
  if (text.rfind("0.", 0) == 0) return text.substr(1);
  if (text.rfind("-0.", 0) == 0) return "-" + text.substr(2);
  return text;
}

std::string classic(double value, int digits) {
  std::array<char, 64> buffer{};
  std::snprintf(buffer.data(), buffer.size(), "%.*G", digits, value);
  std::string text = dropLeadingZero(buffer.data());
  if (text == "-0") text = "0";
  return text[0] == '-' ? text : " " + text;
}

int decimalsOf(std::string_view pattern) {
  const auto dot = pattern.find('.');
  if (pattern.empty() || pattern.find_first_not_of("#0.") != std::string_view::npos)
    throw std::invalid_argument("unsupported number pattern");
  return dot == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - dot - 1);
}

// Rounds a plain decimal text (no exponent, no sign) half away from zero to
// `decimals` places and pads it to exactly that many.
std::string roundDecimalText(std::string digits, int decimals) {
  auto dot = digits.find('.');
  if (dot == std::string::npos) {
    digits += '.';
    dot = digits.size() - 1;
  }
  std::string intPart = digits.substr(0, dot);
  std::string frac = digits.substr(dot + 1);
  const bool roundUp = static_cast<int>(frac.size()) > decimals && frac[decimals] >= '5';
  frac.resize(static_cast<std::size_t>(decimals), '0');
  std::string all = intPart + frac;
  if (roundUp) {
    int i = static_cast<int>(all.size()) - 1;
    while (i >= 0 && all[i] == '9') all[i--] = '0';
    if (i < 0) all.insert(all.begin(), '1');
    else ++all[i];
  }
  const std::size_t intLen = all.size() - static_cast<std::size_t>(decimals);
  std::string result = all.substr(0, intLen);
  result.erase(0, std::min(result.find_first_not_of('0'), result.size() - 1));
  if (result.empty()) result = "0";
  if (decimals > 0) result += "." + all.substr(intLen);
  return result;
}

template <typename T>
std::string formatShortest(T value, std::string_view pattern) {
  const int decimals = decimalsOf(pattern);
  std::array<char, 128> buffer{};
  const T magnitude = value < 0 ? -value : value;
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                    std::chars_format::fixed);
  const std::string text = roundDecimalText(std::string(buffer.data(), result.ptr), decimals);
  return (value < 0 ? "-" : "") + text;
}

}  // namespace

std::string Str(float value) { return classic(static_cast<double>(value), 7); }
std::string Str(double value) { return classic(value, 15); }
std::string Str(int value) { return value < 0 ? std::to_string(value) : " " + std::to_string(value); }

std::string Format(float value, std::string_view pattern) { return formatShortest(value, pattern); }
std::string Format(double value, std::string_view pattern) { return formatShortest(value, pattern); }

std::string ShortestText(float value) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), result.ptr);
}

}  // namespace vlm
