#include "core/graphs/rose_labels.h"

#include <stdexcept>

#include "core/common/compute_error.h"
#include "core/common/format.h"

namespace vlm {
namespace {

// Text before the count of direction labels 0 … 16 (label 0 is calm).
constexpr std::array<const char*, kRoseDirectionLabels> kBefore = {
    "   무풍\r\n(", " 북북동(", " 북동(", " 동북동(", " 동(",  " 동남동(",
    " 남동(",       " 남남동(", "남(",    "남남서(",  "남서(", "서남서(",
    "서(",          "서북서(",  "북서(",  "북북서(",  "북("};

// The labels from SSW round to N close with a space.
const char* afterOf(std::size_t i) { return i >= 9 ? ") " : ")"; }

std::string countText(float n) { return std::to_string(static_cast<long>(n)); }

// Keeps the corner labels off the picture's edge (user units per unit of height).
constexpr float kCornerMargin = 0.01f;

}  // namespace

RoseLabelBox PlaceRoseLabel(const RoseLabelPlace& place, float w, float h) {
  float left = place.x;
  if (place.hAlign == HAlign::Center) left -= w / 2;
  if (place.hAlign == HAlign::Right) left -= w;
  float top = place.y;
  if (place.vAlign == VAlign::Middle) top += h / 2;
  if (place.vAlign == VAlign::Bottom) top += h;
  top += place.rise * h;
  return RoseLabelBox{left, top};
}

RoseLabelPlace DirectionLabelPlace(const RoseGeometry& g, std::size_t i) {
  if (i >= kRoseDirectionLabels) throw std::out_of_range("direction label out of range");
  if (i == 0) return RoseLabelPlace{g.cx, g.cy, HAlign::Center, VAlign::Middle, 0};
  const RosePoint a = g.along(static_cast<int16_t>(i), g.R);
  if (i <= 3) return {a.x, a.y, HAlign::Left, VAlign::Bottom, 0};
  if (i <= 7) return {a.x, a.y, HAlign::Left, VAlign::Top, 0};
  if (i == 8) return {a.x, a.y, HAlign::Center, VAlign::Top, -0.4f};
  if (i <= 11) return {a.x, a.y, HAlign::Right, VAlign::Top, 0};
  if (i == 12) return {a.x, a.y, HAlign::Right, VAlign::Middle, 0};
  if (i <= 15) return {a.x, a.y, HAlign::Right, VAlign::Bottom, 0};
  return {a.x, a.y, HAlign::Center, VAlign::Top, 1.2f};
}

RoseLabelPlace RingLabelPlace(const RoseGeometry& g, std::size_t i) {
  if (i >= static_cast<std::size_t>(kRoseRings)) throw std::out_of_range("ring label out of range");
  const float x = g.cx + g.ringRadius(static_cast<int16_t>(i + 1));
  return {x, g.cy, HAlign::Center, VAlign::Bottom, 0};
}

RoseLabelPlace MissingLabelPlace(const RoseGeometry& g) {
  const float margin = g.height * kCornerMargin;
  return {margin, margin, HAlign::Left, VAlign::Bottom, 0};
}

RoseLabelPlace LegendLabelPlace(const RoseGeometry& g) {
  const float margin = g.height * kCornerMargin;
  return {g.width - margin, margin, HAlign::Right, VAlign::Bottom, 0};
}

RoseLabelPlace TitlePlace(const RoseGeometry& g) {
  return {g.cx, g.height - g.height * kCornerMargin, HAlign::Center, VAlign::Top, 0};
}

std::string RoseShareText(float n, float B) {
  const auto share = static_cast<float>(checkedDivide(n * 100.0, 2.0 * B, "RoseShareText"));
  return Format(share, "#0.0");
}

std::string DirectionLabelCaption(std::size_t i, const RoseCounts& counts) {
  if (i >= kRoseDirectionLabels) throw std::out_of_range("direction label out of range");
  const float n = counts.c[i == 0 ? kRoseCalmClass : i];
  return std::string(kBefore[i]) + countText(n) + "/" + RoseShareText(n, counts.B) + afterOf(i);
}

std::string RoseDirectionName(std::size_t i) {
  if (i >= kRoseDirectionLabels) throw std::out_of_range("direction label out of range");
  std::string name;
  for (const char* c = kBefore[i]; *c != '\0'; ++c) {
    if (*c != ' ' && *c != '(' && *c != '\r' && *c != '\n') name += *c;
  }
  return name;
}

std::string MissingLabelCaption(const RoseCounts& counts) {
  const float missing = counts.c[kRoseMissingClass];
  const auto total = static_cast<float>(2.0 * counts.B + missing);
  return "[결측시간수/총시간수 : " + countText(missing) + "/" + countText(total) + "]";
}

}  // namespace vlm
