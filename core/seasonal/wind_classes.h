// The speed classes of the filtered wind rose. The edges are in m/s and rise
// strictly: below the first edge the air counts as calm (the anemometer's
// direction then means nothing), class i runs from edge i to edge i + 1, and
// the last class holds every speed from the last edge up.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/message.h"

namespace vlm {

// Calm below 0.5 m/s, then 0.5–2, 2–4, 4–6 and 6 m/s and above.
inline const std::vector<float> kDefaultWindClassEdges{0.5f, 2.0f, 4.0f, 6.0f};
inline constexpr std::size_t kMostWindClassEdges = 8;
inline constexpr std::string_view kDefaultWindClassText = "0.5, 2, 4, 6";

// The refusal of edges that are not numbers, not rising, below 0 or too many.
[[nodiscard]] Message WindClassEdgesMessage();

// "0.5, 2, 4, 6" → {0.5, 2, 4, 6}: one to eight numbers separated by commas,
// each written out in full (a typing slip is refused, not read as 0), the
// first not below 0 and each above the one before; otherwise the message
// and nullopt.
[[nodiscard]] std::optional<std::vector<float>> ReadWindClassEdges(std::string_view text,
                                                                   MessageSink& sink);

// The edges as the box shows them: "0.5, 2, 4, 6".
[[nodiscard]] std::string WindClassEdgesText(const std::vector<float>& edges);

// Class i's caption (0 … edges.size() − 1): "0.5–2 m/s", the last "6 m/s 이상".
[[nodiscard]] std::string WindClassCaption(const std::vector<float>& edges, std::size_t i);
// The calm's caption: "무풍(0.5 m/s 미만)".
[[nodiscard]] std::string WindCalmCaption(const std::vector<float>& edges);

}  // namespace vlm
