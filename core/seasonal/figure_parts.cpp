#include "core/seasonal/figure_parts.h"

namespace vlm::figure {

std::string MonthName(int month) { return std::to_string(month) + "월"; }

void LegendRow(Drawing& drawing, float x, float y, float size, float height, Color color,
               std::string_view label) {
  drawing.rect(x, y, x + size, y + height, color);
  Label(drawing, x + size * 1.5f, y + height / 2.0f, label, HAlign::Left, VAlign::Middle);
}

void Label(Drawing& drawing, float x, float y, std::string_view text, HAlign h, VAlign v) {
  drawing.text(TextItem{x, y, std::string(text), Color::palette(0), 9.0f, false, h, v});
}

void Title(Drawing& drawing, float x, float y, std::string_view text) {
  drawing.text(TextItem{x, y, std::string(text), Color::palette(0), 11.0f, true, HAlign::Center,
                        VAlign::Bottom});
}

}  // namespace vlm::figure
