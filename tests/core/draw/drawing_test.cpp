#include "core/draw/drawing.h"

#include <gtest/gtest.h>

namespace vlm {
namespace {

TEST(DrawingTest, PrimitivesCarryThePenInForceWhenAdded) {
  Drawing d(UserScale{-10, 90, -5, 45});
  d.line(0, 0, 10, 20, Color::palette(4));
  d.setPenWidth(2);
  d.setDash(DashStyle::Dot);
  d.circle(1.5f, 2, 30, Color::rgb(255, 0, 0));
  d.arc(0, 0, 5, 270, 90, Color::palette(0));
  d.dot(3, 4, Color::palette(15));
  d.rect(0, 1, 2.5f, 3, Color::palette(7));
  d.text(TextItem{1, 2, "북(±180°)", Color::palette(0), 9, true, HAlign::Center, VAlign::Bottom});
  EXPECT_EQ(d.serialize(),
            "scale -10 90 -5 45\n"
            "line 0 0 10 20 pal4 w1 solid\n"
            "circle 1.5 2 30 #FF0000 w2 dot\n"
            "arc 0 0 5 270 90 pal0 w2 dot\n"
            "dot 3 4 pal15 w2 dot\n"
            "rect 0 1 2.5 3 pal7 w2 dot\n"
            "text 1 2 pal0 pt9 bold center bottom \"북(±180°)\"\n");
}

TEST(DrawingTest, PaletteMatchesTheSixteenStandardColours) {
  EXPECT_EQ(Color::palette(1).rgbValue(), 0x000080u);
  EXPECT_EQ(Color::palette(7).rgbValue(), 0xC0C0C0u);
  EXPECT_EQ(Color::palette(12).rgbValue(), 0xFF0000u);
  EXPECT_EQ(Color::palette(14).rgbValue(), 0xFFFF00u);
  EXPECT_EQ(paletteRgb(16), 0u);
}

}  // namespace
}  // namespace vlm
