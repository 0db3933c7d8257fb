// CP949, the Korean ANSI code page of the report files.
#pragma once

#include <string>
#include <string_view>

namespace vlm {

// Converts UTF-8 text to CP949; throws std::runtime_error for a character that
// CP949 cannot hold.
[[nodiscard]] std::string toCp949(std::string_view utf8);
// The same, but each character that CP949 cannot hold (and each byte that is
// not UTF-8) becomes '?', as the platform's ANSI output writes it.
[[nodiscard]] std::string toCp949Replacing(std::string_view utf8);
// Converts CP949 bytes to UTF-8; throws std::runtime_error on an invalid sequence.
[[nodiscard]] std::string fromCp949(std::string_view cp949);

}  // namespace vlm
