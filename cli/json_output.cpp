#include "cli/json_output.h"

#include <charconv>
#include <cmath>

#include "core/common/format.h"

namespace vlm::cli {

// The double nearest to the float's shortest text prints, through the
// library's shortest-double output, as exactly that text.
nlohmann::json jsonFloat(float value) {
  if (!std::isfinite(value)) return nullptr;
  const std::string text = ShortestText(value);
  double nearest = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), nearest);
  return nearest;
}

std::string utf8Text(const std::string& text) {
  return nlohmann::json::parse(jsonText(nlohmann::json(text))).get<std::string>();
}

}  // namespace vlm::cli
