#include "core/draw/legend.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <variant>

namespace vlm {
namespace {

// Every character 7 pixels wide, every line 14 high.
TextExtent fixedMeasure(const std::string& text, float, bool) {
  return {7.0f * static_cast<float>(text.size()), 14.0f};
}

// A legend breaks into columns no taller than the plot beside it, and every
// entry's text lands inside the panel, each line of a broken label on its own.
TEST(LegendTest, ColumnsStayWithinThePlotsHeight) {
  struct Case {
    int entries;
    float maxHeight;
    std::size_t columns;
  };
  for (const Case c : {Case{3, 400, 1}, Case{20, 400, 1}, Case{30, 400, 2}, Case{30, 150, 5}}) {
    Legend legend;
    legend.heading("zones");
    for (int i = 1; i < c.entries; ++i)
      legend.add(LegendMark::Outline, Color::palette(i % 16), "zone " + std::to_string(i));
    const LegendPanel panel = LayOutLegend(legend, c.maxHeight, fixedMeasure);
    std::set<std::string> texts;
    std::set<float> lefts;
    for (const DrawItem& item : panel.drawing.items()) {
      if (const auto* text = std::get_if<TextItem>(&item)) {
        texts.insert(text->text);
        lefts.insert(text->x);
        EXPECT_GE(text->y - 7.0f, 0.0f) << c.entries;
        EXPECT_LE(text->y + 7.0f, panel.height) << c.entries;
        EXPECT_LE(text->x + 7.0f * static_cast<float>(text->text.size()), panel.width);
      }
    }
    EXPECT_EQ(texts.size(), static_cast<std::size_t>(c.entries)) << c.entries;
    EXPECT_LE(panel.height, c.columns > 1 ? c.maxHeight : 1e9f) << c.entries;
    // One left for each column's entries, one more for the heading that opens the first.
    EXPECT_EQ(lefts.size() - 1, c.columns) << c.entries << " in " << c.maxHeight;
  }
}

TEST(LegendTest, ABrokenLabelTakesOneLinePerPartBesideOneMark) {
  Legend legend;
  legend.add(LegendMark::Swatch, Color::palette(1), "단열\n(Restrict Conduction)");
  const LegendPanel panel = LayOutLegend(legend, 400, fixedMeasure);
  std::vector<const TextItem*> lines;
  int marks = 0;
  for (const DrawItem& item : panel.drawing.items()) {
    if (const auto* text = std::get_if<TextItem>(&item)) lines.push_back(text);
    marks += std::holds_alternative<RectItem>(item) ? 1 : 0;
  }
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0]->text, "단열");
  EXPECT_EQ(lines[1]->text, "(Restrict Conduction)");
  EXPECT_FLOAT_EQ(lines[0]->y - lines[1]->y, 14.0f);
  EXPECT_EQ(marks, 1);
}

}  // namespace
}  // namespace vlm
