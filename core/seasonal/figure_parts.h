// Small pieces that the figures of the seasonal analysis share: month names,
// legend rows and the title line.
#pragma once

#include <string>
#include <string_view>

#include "core/draw/drawing.h"

namespace vlm::figure {

// "1월" … "12월" for month 1 … 12.
[[nodiscard]] std::string MonthName(int month);

// A filled square of `size` x units with its lower left at (x, y) and the
// label to its right, vertically centred on the square.
void LegendRow(Drawing& drawing, float x, float y, float size, float height, Color color,
               std::string_view label);

// Black text, 9 points, anchored as given.
void Label(Drawing& drawing, float x, float y, std::string_view text, HAlign h, VAlign v);

// The figure's title, 11 points bold, centred above x at y.
void Title(Drawing& drawing, float x, float y, std::string_view text);

}  // namespace vlm::figure
