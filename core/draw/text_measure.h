// The size a text takes when it is painted: core lays out labels and legends
// whose place depends on their own extent, and the painter says how big a text is.
#pragma once

#include <functional>
#include <string>

namespace vlm {

// The size of a text at a point size, in pixels of the screen picture.
struct TextExtent {
  float w = 0, h = 0;
};
using TextMeasure = std::function<TextExtent(const std::string& text, float pointSize, bool bold)>;

}  // namespace vlm
