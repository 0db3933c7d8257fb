// What the fuzz targets of the hourly weather imports share: the abort that
// makes a broken promise a finding, the .cly wind codes, and the pieces that
// turn one pattern line into a whole year of lines.
#pragma once

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace vlm::fuzz {

inline void require(bool condition) {
  if (!condition) std::abort();
}

// Calm (0), missing (999) or one of the 16 directions.
inline bool isWindCode(int16_t code) {
  if (code == 0 || code == 999) return true;
  constexpr std::array<int16_t, 16> codes = {23,  45,  68,  90,  113, 135, 158, 180,
                                             203, 225, 248, 270, 293, 315, 338, 360};
  for (const int16_t c : codes)
    if (c == code) return true;
  return false;
}

// The text up to the next LF, which `rest` then no longer holds; the whole
// rest when there is no LF, with `ended` set.
inline std::string_view takeLine(std::string_view& rest, bool& ended) {
  const auto newline = rest.find('\n');
  const std::string_view line = rest.substr(0, newline);
  ended = newline == std::string_view::npos;
  rest = ended ? std::string_view() : rest.substr(newline + 1);
  return line;
}

inline std::vector<std::string> commaFields(std::string_view line) {
  std::vector<std::string> fields;
  for (;;) {
    const auto comma = line.find(',');
    fields.emplace_back(line.substr(0, comma));
    if (comma == std::string_view::npos) return fields;
    line.remove_prefix(comma + 1);
  }
}

// Appends the fields joined by commas as one CR LF line.
inline void appendLine(std::string& text, const std::vector<std::string>& fields) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) text += ',';
    text += fields[i];
  }
  text += "\r\n";
}

}  // namespace vlm::fuzz
