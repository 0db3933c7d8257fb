#include "core/seasonal/wind_classes.h"

#include <charconv>
#include <cmath>

#include "core/common/format.h"

namespace vlm {
namespace {

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// The whole token as a finite number, or nullopt.
std::optional<float> fullNumber(std::string_view token) {
  token = trimmed(token);
  float value = 0;
  const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
  if (token.empty() || ec != std::errc() || end != token.data() + token.size() ||
      !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::optional<std::vector<float>> parsed(std::string_view text) {
  std::vector<float> edges;
  while (true) {
    const std::size_t comma = text.find(',');
    const auto value = fullNumber(text.substr(0, comma));
    if (!value || edges.size() == kMostWindClassEdges) return std::nullopt;
    if (edges.empty() ? *value < 0.0f : *value <= edges.back()) return std::nullopt;
    edges.push_back(*value);
    if (comma == std::string_view::npos) return edges;
    text.remove_prefix(comma + 1);
  }
}

}  // namespace

Message WindClassEdgesMessage() {
  return errorMessage({"풍속 등급의 경계값 입력이 유효하지 않습니다.", "",
                       "[0 m/s 이상의 경계값 1~8개를 작은 것부터 쉼표로 구분하여 입력하세요.]"});
}

std::optional<std::vector<float>> ReadWindClassEdges(std::string_view text, MessageSink& sink) {
  auto edges = parsed(text);
  if (!edges) sink.show(WindClassEdgesMessage());
  return edges;
}

std::string WindClassEdgesText(const std::vector<float>& edges) {
  std::string text;
  for (const float e : edges) text += (text.empty() ? "" : ", ") + ShortestText(e);
  return text;
}

std::string WindClassCaption(const std::vector<float>& edges, std::size_t i) {
  if (i + 1 >= edges.size()) return ShortestText(edges.back()) + " m/s 이상";
  return ShortestText(edges[i]) + "–" + ShortestText(edges[i + 1]) + " m/s";
}

std::string WindCalmCaption(const std::vector<float>& edges) {
  return "무풍(" + ShortestText(edges.front()) + " m/s 미만)";
}

}  // namespace vlm
