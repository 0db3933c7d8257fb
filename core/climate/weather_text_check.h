// Structural check of a WYEC or TRY hourly weather text file before it is
// converted: 8760 lines of exactly 80 columns, the first stamped 1 January
// 0 h and the last 31 December 23 h (columns 74–79: month, day, hour). The
// observations themselves are not checked.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "core/common/message.h"

namespace vlm {

inline constexpr std::size_t kWeatherLineLength = 80;
inline constexpr std::int64_t kWeatherLineCount = 8760;

// The refusal box: "원본 파일이 WYEC(혹은 TRY) 형식의 파일이 아닙니다." and the bracketed rule.
[[nodiscard]] Message weatherTextRefusal(std::string rule);

// The rule that line `lineNumber` breaks, or nothing. `line` is the line
// without terminator; a line that was cut off as too long has more than 80
// characters and breaks the length rule.
[[nodiscard]] std::optional<std::string> weatherLineViolation(std::int64_t lineNumber,
                                                              std::string_view line);
// The rule that a file of `lines` lines breaks at its end, or nothing.
[[nodiscard]] std::optional<std::string> weatherLineCountViolation(std::int64_t lines);

// Reads the text line by line in file order; the first offending line decides
// the message. Reports the violation to `sink` and returns false, or returns
// true when the file may be converted. Reads at most 81 characters of any line.
[[nodiscard]] bool CheckWeatherText(std::istream& in, MessageSink& sink);
// The same for a file; a path that cannot be opened throws FileError, which the
// caller shows.
[[nodiscard]] bool CheckWeatherText(const std::string& path, MessageSink& sink);

}  // namespace vlm
