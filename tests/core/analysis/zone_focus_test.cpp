// Singling out one zone on the chart: each outline's place in the drawing, the
// chosen outline thicker and every other one faded, the rest untouched.
#include "core/analysis/zone_focus.h"

#include <gtest/gtest.h>

#include "core/analysis/psychro_grid.h"
#include "core/analysis/zone.h"
#include "tests/core/analysis/chart_probe.h"

namespace vlm {
namespace {

using test::ChartBench;

Pen penOf(const DrawItem& item) {
  return std::visit(
      [](const auto& i) -> Pen {
        if constexpr (std::is_same_v<std::decay_t<decltype(i)>, TextItem>) {
          return Pen{i.color};
        } else {
          return i.pen;
        }
      },
      item);
}

TEST(SingleOutZone, ThickensTheChosenOutlineAndFadesTheOthers) {
  ChartBench b;
  DrawPsychroGrid(b.c);
  const std::size_t gridItems = b.drawing.items().size();
  std::array<ZoneItems, 5> need{};
  std::array<ZoneItems, 9> guide{};
  DrawNeedZones(b.c, {true, true, false, true, true}, &need);
  DrawGuideZones(b.c, {true, true, true, true, true, true, true, true, true}, &guide);
  // The outlines follow each other in the fixed order; an unticked one is empty.
  EXPECT_EQ(need[0].first, gridItems);
  EXPECT_EQ(need[1].first, need[0].last);
  EXPECT_EQ(need[2].first, need[2].last);
  EXPECT_EQ(guide[0].first, need[4].last);
  EXPECT_EQ(guide[8].last, b.drawing.items().size());

  ZoneOutlineItems outlines{};
  std::copy(need.begin(), need.end(), outlines.begin());
  std::copy(guide.begin(), guide.end(), outlines.begin() + 5);
  const std::size_t chosen = 5 + 2;  // 태양열획득
  const Drawing out = SingleOutZone(b.drawing, outlines, chosen);
  ASSERT_EQ(out.items().size(), b.drawing.items().size());
  EXPECT_EQ(out.scale(), b.drawing.scale());
  for (std::size_t i = 0; i < out.items().size(); ++i) {
    const Pen before = penOf(b.drawing.items()[i]);
    const Pen after = penOf(out.items()[i]);
    if (i < gridItems) {
      EXPECT_EQ(out.items()[i], b.drawing.items()[i]) << i;
    } else if (outlines[chosen].first <= i && i < outlines[chosen].last) {
      EXPECT_EQ(after.width, 2 * before.width) << i;
      EXPECT_EQ(after.color, before.color) << i;
    } else {
      EXPECT_EQ(after.width, before.width) << i;
      // Three quarters of the way to white: black becomes #BFBFBF.
      const uint32_t rgb = before.color.rgbValue();
      const auto faded = [](uint32_t c) { return c + (255 - c) * 3 / 4; };
      EXPECT_EQ(after.color.rgbValue(),
                (faded(rgb >> 16 & 0xFF) << 16) | (faded(rgb >> 8 & 0xFF) << 8) | faded(rgb & 0xFF))
          << i;
    }
  }
}

TEST(ZoneFocusText, NameAndTheFiguresOfThePeriod) {
  AnalysisTexts texts;
  EXPECT_EQ(ZoneFocusText(0, texts), "난방 필요");
  EXPECT_EQ(ZoneFocusText(13, texts), "기계냉방·제습");
  EXPECT_EQ(ZoneFocusText(14, texts), "");
  texts.need[0] = {"3120", "35.62", "1"};
  texts.guide[2] = {"3120", "35.62", "4"};
  EXPECT_EQ(ZoneFocusText(0, texts), "난방 필요: 3120시간, 35.62%");
  EXPECT_EQ(ZoneFocusText(7, texts), "태양열획득: 3120시간, 35.62%");
}

}  // namespace
}  // namespace vlm
