// The labels around the wind rose: their captions and where each one sits.
//
// A label's place is given as an anchor in the picture's user coordinates and
// the way its box hangs from that anchor, because the box's width w and height
// h are only known once a surface has measured its text. PlaceRoseLabel turns
// the rule into the box's left and top edges (the top being the higher edge in
// the upward scale).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "core/draw/drawing.h"
#include "core/graphs/wind_rose.h"

namespace vlm {

inline constexpr std::size_t kRoseDirectionLabels = 17;  // 0 calm, 1 … 16 the directions

struct RoseLabelPlace {
  float x = 0, y = 0;            // the anchor
  HAlign hAlign = HAlign::Left;  // which part of the box is at x
  VAlign vAlign = VAlign::Top;   // which edge of the box is at y
  float rise = 0;                // then the box moves up by rise × h
  bool operator==(const RoseLabelPlace&) const = default;
};

struct RoseLabelBox {
  float left = 0, top = 0;
  bool operator==(const RoseLabelBox&) const = default;
};

[[nodiscard]] RoseLabelBox PlaceRoseLabel(const RoseLabelPlace& place, float w, float h);

// Direction label i: 0 the calm label in the centre, 1 … 16 at the end of the
// spoke of class i — NNE to ENE and WNW to N above the end, E to WSW below it,
// W centred on it, labels on the right half starting at the circle and those on
// the left half ending at it.
[[nodiscard]] RoseLabelPlace DirectionLabelPlace(const RoseGeometry& g, std::size_t i);
// Ring label i (0 … 4) just above the eastward spoke, centred over ring i + 1.
[[nodiscard]] RoseLabelPlace RingLabelPlace(const RoseGeometry& g, std::size_t i);
// The missing-hours label in the lower left corner, the legend in the lower
// right corner, the title centred at the top of the picture.
[[nodiscard]] RoseLabelPlace MissingLabelPlace(const RoseGeometry& g);
[[nodiscard]] RoseLabelPlace LegendLabelPlace(const RoseGeometry& g);
[[nodiscard]] RoseLabelPlace TitlePlace(const RoseGeometry& g);

// The share of n in the valid hours 2B, "#0.0".
[[nodiscard]] std::string RoseShareText(float n, float B);
// Direction label i's caption, e.g. " 북북동(12/1.6)" or "북(372/50.0) "; the
// calm label has its name and its figures on two lines joined by CR LF.
[[nodiscard]] std::string DirectionLabelCaption(std::size_t i, const RoseCounts& counts);
// The name of direction label i alone: "무풍", "북북동" … "북".
[[nodiscard]] std::string RoseDirectionName(std::size_t i);
// "[결측시간수/총시간수 : " + missing + "/" + the period's hours + "]".
[[nodiscard]] std::string MissingLabelCaption(const RoseCounts& counts);

inline constexpr std::array<const char*, kRoseRings> kRoseRingCaptions = {"10", "20", "30", "40",
                                                                          "50%"};
inline constexpr const char* kRoseLegendCaption = "[라벨설명 : 풍향(시간수/비율%)]";

}  // namespace vlm
