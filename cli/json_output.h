// JSON output rules: a float prints as its shortest decimal text that reads
// back as the same float, integers as integers, a missing value as null.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace vlm::cli {

[[nodiscard]] nlohmann::json jsonFloat(float value);

// The JSON text of a result. A file name or region typed with bytes that are
// not UTF-8 is written with U+FFFD in their place rather than failing the run.
template <typename Json>
[[nodiscard]] std::string jsonText(const Json& json) {
  return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// A text as jsonText writes it: every byte sequence that is not UTF-8 becomes U+FFFD.
[[nodiscard]] std::string utf8Text(const std::string& text);

}  // namespace vlm::cli
