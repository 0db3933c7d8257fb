// The size a text takes when paintDrawing draws it: for placing labels whose
// position depends on their own width and height.
#pragma once

#include <QSizeF>
#include <string>

namespace vlm::render {

// Width and height in pixels of a screen picture (96 per inch) of `text` at
// `pointSize`, lines split at line breaks, as paintDrawing lays a TextItem out.
[[nodiscard]] QSizeF textExtent(const std::string& text, float pointSize, bool bold);

}  // namespace vlm::render
