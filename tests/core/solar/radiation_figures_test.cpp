#include "core/solar/radiation_figures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace vlm {
namespace {

TEST(RadiationRose, OrientationsAreNamedByTheirBearing) {
  for (const auto& [azimuth, name] :
       {std::pair{0, "남"}, std::pair{20, "남20°서"}, std::pair{-40, "남40°동"},
        std::pair{90, "서"}, std::pair{-90, "동"}, std::pair{-100, "북80°동"},
        std::pair{170, "북10°서"}, std::pair{180, "북"}}) {
    EXPECT_EQ(OrientationName(azimuth), name);
  }
}

TEST(RadiationRose, PointerReadsTheOrientationDrawnUnderIt) {
  RadiationYear r;
  for (int i = 0; i < kRadiationOrientations; ++i) {
    r.orientations[i] = {100.0f + static_cast<float>(i), static_cast<float>(i), 2.0f, {}};
  }
  const RadiationRoseScale s = RoseScaleFor(r);
  EXPECT_GE(s.outer(), 135.0f);
  // South is drawn downwards and east to the right.
  EXPECT_LT(RoseValuePoint(s, 0, 100).y, -0.5f);
  EXPECT_GT(RoseValuePoint(s, -90, 100).x, 0.5f);
  for (int i = 0; i < kRadiationOrientations; ++i) {
    const auto p = RoseValuePoint(s, OrientationAzimuth(i) + 3, s.outer() * 0.7f);
    const auto reading = RadiationRoseReadingAt(r, p.x, p.y);
    ASSERT_TRUE(reading) << i;
    EXPECT_EQ(reading->azimuth, OrientationAzimuth(i));
    EXPECT_EQ(reading->year, r.orientations[i].year);
  }
  EXPECT_FALSE(RadiationRoseReadingAt(r, 1.2f, 0));
  const auto p = RoseValuePoint(s, 20, 50);
  EXPECT_EQ(RadiationRoseReadout(r, p.x, p.y),
            "남20°서: 연간 119.0, 태양열획득 19.0, 태양열차단 2.0 kWh/m²");
}

// Each series plots the month's total over its days; the horizontal comes first.
TEST(RadiationMonthly, PointsAreMeanDailyIrradiation) {
  RadiationYear r;
  for (std::size_t m = 0; m < 12; ++m) {
    r.horizontal.months[m] = 31.0f * static_cast<float>(m + 1);
    r.orientations[OrientationIndex(0)].months[m] = 62.0f;
  }
  const Drawing d = RadiationMonthlyDrawing(r, "서울");
  std::vector<DotItem> dots;
  std::vector<std::string> texts;
  for (const DrawItem& item : d.items()) {
    if (const auto* dot = std::get_if<DotItem>(&item)) dots.push_back(*dot);
    if (const auto* text = std::get_if<TextItem>(&item)) texts.push_back(text->text);
  }
  ASSERT_EQ(dots.size(), 60u);
  const std::array<float, 12> days = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (std::size_t m = 0; m < 12; ++m) {
    EXPECT_FLOAT_EQ(dots[m].x, static_cast<float>(m) + 0.5f);
    EXPECT_FLOAT_EQ(dots[m].y, 31.0f * static_cast<float>(m + 1) / days[m]) << m;
    EXPECT_FLOAT_EQ(dots[12 + m].y, 62.0f / days[m]) << m;
  }
  for (const char* caption :
       {"서울 월평균 일일 일사량 (kWh/m²·일)", "수평면", "남향", "동향", "서향", "북향"}) {
    EXPECT_NE(std::find(texts.begin(), texts.end(), caption), texts.end()) << caption;
  }
}

}  // namespace
}  // namespace vlm
