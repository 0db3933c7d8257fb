// The key of a figure that leaves the program: what each colour, line and mark
// of the plot means, laid out as its own Drawing to stand beside the plot.
// The screens keep their own legend controls; a saved, copied or reported
// figure carries this panel so that it reads on its own.
#pragma once

#include <string>
#include <vector>

#include "core/draw/drawing.h"
#include "core/draw/text_measure.h"

namespace vlm {

enum class LegendMark {
  Heading,  // a bold line opening a group, no mark
  Note,     // a plain line, no mark
  Swatch,   // a filled square of the colour
  Line,     // a short line of the colour and dash
  Outline,  // an unfilled square outlined in the colour (a zone's boundary)
  Dot,      // a small circle of the colour (a plotted point)
};

struct LegendEntry {
  LegendMark mark = LegendMark::Note;
  std::string label;  // '\n' breaks it onto further lines beside one mark
  Color color{};
  DashStyle dash = DashStyle::Solid;
  bool singledOut = false;  // drawn bold with a doubled mark
};

struct Legend {
  std::vector<LegendEntry> entries;

  void heading(std::string label) { entries.push_back({LegendMark::Heading, std::move(label)}); }
  void note(std::string label) { entries.push_back({LegendMark::Note, std::move(label)}); }
  void add(LegendMark mark, Color color, std::string label, DashStyle dash = DashStyle::Solid) {
    entries.push_back({mark, std::move(label), color, dash});
  }
  [[nodiscard]] bool empty() const { return entries.empty(); }
};

// Point size of a legend's texts.
inline constexpr float kLegendPointSize = 9.0f;

// The legend laid out in columns no taller than `maxHeight` (a new column
// starts where the next entry would not fit), in a Drawing whose user units
// are pixels of the screen picture, with its size.
struct LegendPanel {
  Drawing drawing;
  float width = 0;
  float height = 0;
};
[[nodiscard]] LegendPanel LayOutLegend(const Legend& legend, float maxHeight,
                                       const TextMeasure& measure);

}  // namespace vlm
