// JSON output rules: a float prints as its shortest decimal text that reads
// back as the same float, integers as integers, a missing value as null.
#pragma once

#include <nlohmann/json.hpp>

namespace vlm::cli {

[[nodiscard]] nlohmann::json jsonFloat(float value);

}  // namespace vlm::cli
