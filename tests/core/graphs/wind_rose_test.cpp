// The wind rose: geometry, periods and counts, the bars, the label texts and
// places, and the draw and erase buttons of the tab.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "core/climate/climate_stats.h"
#include "core/common/compute_error.h"
#include "core/graphs/rose_view.h"

namespace vlm {
namespace {

constexpr double kPi = 3.14159265358979323846;

// A picture of 600 × 500: R = 200, r0 = 37.5, ring step 32.5.
const RoseGeometry kGeometry = RoseGeometry::ForPicture(600, 500);

struct Pt {
  double x, y;
};
// The end of the spoke of class k at distance d, computed from the bearing k × 22.5°.
Pt spokePoint(int k, double d) {
  const double bearing = k * 22.5 * kPi / 180;
  return {300 + d * std::sin(bearing), 250 + d * std::cos(bearing)};
}

// The month row `row` of an otherwise empty table gets the given counts.
WindDirTable tableWith(int16_t row, std::initializer_list<std::pair<int, int16_t>> cells) {
  WindDirTable table{};
  for (const auto& [k, n] : cells)
    table[static_cast<std::size_t>(row)][static_cast<std::size_t>(k)] = n;
  return table;
}

std::vector<LineItem> barsOf(const Drawing& d) {
  std::vector<LineItem> bars;
  for (const DrawItem& item : d.items()) {
    const auto* line = std::get_if<LineItem>(&item);
    if (line != nullptr && line->pen.width == 2) bars.push_back(*line);
  }
  return bars;
}

// The bar drawn on the spoke of class k, if any.
std::optional<LineItem> barOn(const Drawing& d, int k) {
  const Pt start = spokePoint(k, 37.5);
  for (const LineItem& bar : barsOf(d)) {
    if (std::abs(bar.x1 - start.x) < 1e-3 && std::abs(bar.y1 - start.y) < 1e-3) return bar;
  }
  return std::nullopt;
}

double fromCentre(float x, float y) { return std::hypot(x - 300.0, y - 250.0); }

TEST(RoseGeometry, RadiiFollowThePictureHeight) {
  EXPECT_FLOAT_EQ(kGeometry.cx, 300);
  EXPECT_FLOAT_EQ(kGeometry.cy, 250);
  EXPECT_FLOAT_EQ(kGeometry.R, 200);
  EXPECT_FLOAT_EQ(kGeometry.r0, 37.5);
  EXPECT_FLOAT_EQ(kGeometry.s, 32.5);
  const float rings[] = {37.5f, 70, 102.5f, 135, 167.5f, 200};
  for (int16_t i = 0; i <= 5; ++i) EXPECT_FLOAT_EQ(kGeometry.ringRadius(i), rings[i]);
  EXPECT_EQ(kGeometry.scale(), (UserScale{0, 600, 0, 500}));
}

TEST(RoseGeometry, SpokesRunClockwiseFromNorthByNorthEastToNorth) {
  for (int16_t k = 1; k <= 16; ++k) {
    SCOPED_TRACE(k);
    const RosePoint p = kGeometry.along(k, 200);
    const Pt expected = spokePoint(k, 200);
    EXPECT_NEAR(p.x, expected.x, 1e-3);
    EXPECT_NEAR(p.y, expected.y, 1e-3);
  }
  // The four axes land exactly on the picture's centre lines.
  EXPECT_EQ(kGeometry.along(16, 200), (RosePoint{300, 450}));
  EXPECT_EQ(kGeometry.along(4, 200), (RosePoint{500, 250}));
  EXPECT_EQ(kGeometry.along(8, 200), (RosePoint{300, 50}));
  EXPECT_EQ(kGeometry.along(12, 200), (RosePoint{100, 250}));
  EXPECT_DOUBLE_EQ(RoseAngleDeg(16), -270);
}

TEST(RosePeriod, RowsHoursAndTitles) {
  struct Case {
    RosePeriod period;
    int16_t row;
    int16_t hours;
    const char* title;
  };
  const Case cases[] = {
      {RosePeriod::Month(1), 1, 744, "서울 지역 1월 풍향"},
      {RosePeriod::Month(2), 2, 672, "서울 지역 2월 풍향"},
      {RosePeriod::Month(4), 4, 720, "서울 지역 4월 풍향"},
      {RosePeriod::Month(12), 12, 744, "서울 지역 12월 풍향"},
      {RosePeriod::Season(1), 13, 2208, "서울 지역 봄 풍향"},
      {RosePeriod::Season(2), 14, 2208, "서울 지역 여름 풍향"},
      {RosePeriod::Season(3), 15, 2184, "서울 지역 가을 풍향"},
      {RosePeriod::Season(4), 16, 2160, "서울 지역 겨울 풍향"},
      {RosePeriod::Year(), 17, 8760, "서울 지역  년간 풍향"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    EXPECT_EQ(c.period.row(), c.row);
    EXPECT_EQ(RosePeriodHours(c.row), c.hours);
    EXPECT_EQ(RoseTitle("서울", c.period), c.title);
  }
  EXPECT_THROW((void)RosePeriod::Month(13).row(), std::out_of_range);
  EXPECT_THROW((void)RosePeriod::Season(0).row(), std::out_of_range);
}

TEST(RoseBars, HalfTheHoursFromNorthReachTheOuterCircle) {
  const RoseCounts counts =
      RoseCounts::Of(tableWith(1, {{16, 372}, {4, 186}, {17, 186}}), RosePeriod::Month(1));
  EXPECT_FLOAT_EQ(counts.B, 372);
  const Drawing d = RoseDrawing(kGeometry, counts);
  const auto north = barOn(d, 16);
  ASSERT_TRUE(north);
  EXPECT_EQ(north->x2, 300);
  EXPECT_EQ(north->y2, 450);
  // A quarter reaches half-way from the calm circle to the outer one.
  const auto east = barOn(d, 4);
  ASSERT_TRUE(east);
  EXPECT_NEAR(fromCentre(east->x2, east->y2), 37.5 + 81.25, 1e-3);
  EXPECT_EQ(barsOf(d).size(), 2u);
}

TEST(RoseBars, ADirectionWithoutHoursDrawsNoBarAndAShareAboveHalfRunsPastTheCircle) {
  const RoseCounts counts =
      RoseCounts::Of(tableWith(3, {{2, 600}, {10, 144}}), RosePeriod::Month(3));
  const Drawing d = RoseDrawing(kGeometry, counts);
  EXPECT_EQ(barsOf(d).size(), 2u);
  for (int k : {1, 3, 4, 9, 11, 16}) EXPECT_FALSE(barOn(d, k)) << k;
  const auto ne = barOn(d, 2);
  ASSERT_TRUE(ne);
  // 600 of 744 hours is 80.6 %: 8.06 ring steps beyond the calm circle, not clipped at R.
  EXPECT_NEAR(fromCentre(ne->x2, ne->y2), 37.5 + 600.0 / 372 * 162.5, 1e-2);
  EXPECT_GT(fromCentre(ne->x2, ne->y2), 200);
}

TEST(RoseBars, FrameIsDottedRedAndBarsSolidInTheForeground) {
  const RoseCounts counts = RoseCounts::Of(tableWith(5, {{8, 744}}), RosePeriod::Month(5));
  const Drawing d = RoseDrawing(kGeometry, counts);
  std::vector<float> radii;
  int spokes = 0;
  for (const DrawItem& item : d.items()) {
    if (const auto* c = std::get_if<CircleItem>(&item)) {
      EXPECT_EQ(c->pen, (Pen{Color::rgb(255, 0, 0), 1, DashStyle::Dot}));
      EXPECT_EQ(c->cx, 300);
      EXPECT_EQ(c->cy, 250);
      radii.push_back(c->radius);
    } else if (const auto* l = std::get_if<LineItem>(&item); l != nullptr && l->pen.width == 1) {
      EXPECT_EQ(l->pen, (Pen{Color::rgb(255, 0, 0), 1, DashStyle::Dot}));
      EXPECT_NEAR(fromCentre(l->x1, l->y1), 37.5, 1e-3);
      EXPECT_NEAR(fromCentre(l->x2, l->y2), 200, 1e-3);
      ++spokes;
    }
  }
  EXPECT_EQ(radii, (std::vector<float>{37.5f, 70, 102.5f, 135, 167.5f, 200}));
  EXPECT_EQ(spokes, 16);
  const auto bars = barsOf(d);
  ASSERT_EQ(bars.size(), 1u);
  EXPECT_EQ(bars[0].pen, (Pen{Color::palette(0), 2, DashStyle::Solid}));
  // The whole month from the south runs to twice the outer radius less the calm circle.
  EXPECT_FLOAT_EQ(bars[0].y2, 250 - (37.5f + 325));
  EXPECT_EQ(d.penWidth(), 1);
}

TEST(RoseBars, NoValidHourIsAFaultNotAnInfiniteBar) {
  const RoseCounts counts = RoseCounts::Of(tableWith(2, {{18, 672}}), RosePeriod::Month(2));
  EXPECT_FALSE(counts.hasValidHours());
  EXPECT_THROW((void)RoseDrawing(kGeometry, counts), ComputeError);
}

TEST(RoseLabels, CaptionsOfEveryDirection) {
  const RoseCounts counts = RoseCounts::Of(tableWith(7, {{1, 1},
                                                         {2, 2},
                                                         {3, 3},
                                                         {4, 72},
                                                         {5, 5},
                                                         {6, 6},
                                                         {7, 7},
                                                         {8, 8},
                                                         {9, 9},
                                                         {10, 10},
                                                         {11, 11},
                                                         {12, 12},
                                                         {13, 13},
                                                         {14, 14},
                                                         {15, 15},
                                                         {16, 372},
                                                         {17, 180}}),
                                           RosePeriod::Month(7));
  const char* expected[] = {
      "   무풍\r\n(180/24.2)", " 북북동(1/0.1)",  " 북동(2/0.3)",
      " 동북동(3/0.4)",        " 동(72/9.7)",     " 동남동(5/0.7)",
      " 남동(6/0.8)",          " 남남동(7/0.9)",  "남(8/1.1)",
      "남남서(9/1.2) ",        "남서(10/1.3) ",   "서남서(11/1.5) ",
      "서(12/1.6) ",           "서북서(13/1.7) ", "북서(14/1.9) ",
      "북북서(15/2.0) ",       "북(372/50.0) ",
  };
  for (std::size_t i = 0; i < 17; ++i)
    EXPECT_EQ(DirectionLabelCaption(i, counts), expected[i]) << i;
  EXPECT_EQ(MissingLabelCaption(counts), "[결측시간수/총시간수 : 0/744]");
}

TEST(RoseLabels, MissingHoursLeaveTheTotalAndShrinkTheBase) {
  const RoseCounts counts =
      RoseCounts::Of(tableWith(10, {{4, 72}, {18, 24}, {17, 648}}), RosePeriod::Month(10));
  EXPECT_FLOAT_EQ(counts.B, 360);
  EXPECT_EQ(MissingLabelCaption(counts), "[결측시간수/총시간수 : 24/744]");
  EXPECT_EQ(DirectionLabelCaption(4, counts), " 동(72/10.0)");
  EXPECT_EQ(DirectionLabelCaption(0, counts), "   무풍\r\n(648/90.0)");
  EXPECT_EQ(DirectionLabelCaption(16, counts), "북(0/0.0) ");
  // 10 % of the 720 valid hours reaches the first ring.
  const auto east = barOn(RoseDrawing(kGeometry, counts), 4);
  ASSERT_TRUE(east);
  EXPECT_NEAR(east->x2, 300 + 70, 1e-3);
}

TEST(RoseLabels, PlacesFollowTheSpokeEnds) {
  constexpr float w = 40, h = 10;
  struct Case {
    std::size_t label;
    double left, top;  // from the anchor A of the label's spoke
  };
  auto at = [](int k) { return spokePoint(k, 200); };
  const Case cases[] = {
      {1, at(1).x, at(1).y + h},
      {2, at(2).x, at(2).y + h},
      {3, at(3).x, at(3).y + h},
      {4, at(4).x, at(4).y},
      {5, at(5).x, at(5).y},
      {6, at(6).x, at(6).y},
      {7, at(7).x, at(7).y},
      {8, at(8).x - w / 2, at(8).y - 0.4 * h},
      {9, at(9).x - w, at(9).y},
      {10, at(10).x - w, at(10).y},
      {11, at(11).x - w, at(11).y},
      {12, at(12).x - w, at(12).y + 0.5 * h},
      {13, at(13).x - w, at(13).y + h},
      {14, at(14).x - w, at(14).y + h},
      {15, at(15).x - w, at(15).y + h},
      {16, at(16).x - w / 2, at(16).y + 1.2 * h},
      {0, 300 - w / 2, 250 + h / 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const RoseLabelBox box = PlaceRoseLabel(DirectionLabelPlace(kGeometry, c.label), w, h);
    EXPECT_NEAR(box.left, c.left, 1e-3);
    EXPECT_NEAR(box.top, c.top, 1e-3);
  }
}

TEST(RoseLabels, RingLabelsSitAboveTheEastSpokeOverTheirRings) {
  const float rings[] = {70, 102.5f, 135, 167.5f, 200};
  for (std::size_t i = 0; i < 5; ++i) {
    const RoseLabelBox box = PlaceRoseLabel(RingLabelPlace(kGeometry, i), 20, 12);
    EXPECT_FLOAT_EQ(box.left, 300 + rings[i] - 10);
    EXPECT_FLOAT_EQ(box.top, 250 + 12);  // its lower edge on the spoke
  }
}

// Two picture labels overlap when their boxes share an area.
bool overlap(RoseLabelBox a, TextExtent ea, RoseLabelBox b, TextExtent eb) {
  return a.left < b.left + eb.w && b.left < a.left + ea.w && a.top - ea.h < b.top &&
         b.top - eb.h < a.top;
}

TEST(RoseLabels, LabelsOfAFullYearStayClearOfEachOtherAndOfTheCircle) {
  // Widths of the longest captions at 9 points on a 600 × 500 picture.
  const TextExtent direction{110, 15}, calm{80, 30}, corner{220, 15};
  std::vector<std::pair<RoseLabelBox, TextExtent>> boxes;
  for (std::size_t i = 0; i < 17; ++i) {
    const TextExtent e = i == 0 ? calm : direction;
    boxes.emplace_back(PlaceRoseLabel(DirectionLabelPlace(kGeometry, i), e.w, e.h), e);
  }
  boxes.emplace_back(PlaceRoseLabel(MissingLabelPlace(kGeometry), corner.w, corner.h), corner);
  boxes.emplace_back(PlaceRoseLabel(LegendLabelPlace(kGeometry), corner.w, corner.h), corner);
  for (std::size_t a = 0; a < boxes.size(); ++a) {
    for (std::size_t b = a + 1; b < boxes.size(); ++b) {
      EXPECT_FALSE(overlap(boxes[a].first, boxes[a].second, boxes[b].first, boxes[b].second))
          << a << " " << b;
    }
  }
  // No corner of a direction label lies inside the outer circle.
  for (std::size_t i = 1; i < 17; ++i) {
    const auto [box, e] = boxes[i];
    for (double x : {box.left + 0.0f, box.left + e.w}) {
      for (double y : {box.top + 0.0f, box.top - e.h}) {
        EXPECT_GE(std::hypot(x - 300, y - 250), 200 - 1e-3) << i;
      }
    }
  }
}

// The tab's draw and erase buttons.
class RoseTab : public ::testing::Test {
 protected:
  WindRoseView view{kGeometry};
  RecordingSink sink;

  static bool anyDirectionShown(const WindRoseView& v) {
    for (const RoseLabel& l : v.directions())
      if (l.visible) return true;
    return false;
  }
  static int ringsShown(const WindRoseView& v) {
    int n = 0;
    for (const RoseLabel& l : v.rings()) n += l.visible ? 1 : 0;
    return n;
  }
};

TEST_F(RoseTab, OpensWithEveryLabelHiddenAndTheRingCaptions) {
  EXPECT_EQ(view.title(), "");
  EXPECT_TRUE(view.drawing().empty());
  EXPECT_FALSE(anyDirectionShown(view));
  EXPECT_EQ(ringsShown(view), 0);
  EXPECT_FALSE(view.missing().visible);
  EXPECT_FALSE(view.legend().visible);
  const char* rings[] = {"10", "20", "30", "40", "50%"};
  for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(view.rings()[i].caption, rings[i]);
  EXPECT_EQ(view.legend().caption, "[라벨설명 : 풍향(시간수/비율%)]");
}

TEST_F(RoseTab, NumbersShowEveryLabelAndEraseHidesThemAll) {
  const WindDirTable table = tableWith(1, {{16, 372}, {17, 372}});
  ASSERT_TRUE(view.draw("서울", RosePeriod::Month(1), table, true, sink));
  EXPECT_TRUE(sink.empty());
  EXPECT_EQ(view.title(), "서울 지역 1월 풍향");
  for (const RoseLabel& l : view.directions()) EXPECT_TRUE(l.visible);
  EXPECT_EQ(view.directions()[16].caption, "북(372/50.0) ");
  EXPECT_EQ(view.directions()[1].caption, " 북북동(0/0.0)");
  EXPECT_EQ(ringsShown(view), 5);
  EXPECT_TRUE(view.missing().visible);
  EXPECT_EQ(view.missing().caption, "[결측시간수/총시간수 : 0/744]");
  EXPECT_TRUE(view.legend().visible);
  EXPECT_FALSE(view.drawing().empty());

  view.erase();
  EXPECT_EQ(view.title(), "");
  EXPECT_TRUE(view.drawing().empty());
  EXPECT_FALSE(anyDirectionShown(view));
  EXPECT_EQ(ringsShown(view), 0);
  EXPECT_FALSE(view.missing().visible);
  EXPECT_FALSE(view.legend().visible);
}

TEST_F(RoseTab, NumbersOffShowOnlyTheRingLabels) {
  ASSERT_TRUE(view.draw("서울", RosePeriod::Month(1), tableWith(1, {{16, 744}}), true, sink));
  ASSERT_TRUE(view.draw("서울", RosePeriod::Year(), tableWith(17, {{4, 8760}}), false, sink));
  EXPECT_EQ(view.title(), "서울 지역  년간 풍향");
  EXPECT_FALSE(anyDirectionShown(view));
  EXPECT_EQ(ringsShown(view), 5);
  EXPECT_FALSE(view.missing().visible);
  EXPECT_FALSE(view.legend().visible);
}

TEST_F(RoseTab, WinterIsJanuaryFebruaryAndDecemberOfTheSameFile) {
  auto data = std::make_unique<ClimateData>();
  // January from the north, February from the east, December calm, the rest from the south.
  for (int h = 1; h <= kHoursPerYear; ++h) {
    const int16_t code = h <= 744 ? 360 : h <= 1416 ? 90 : h > 8016 ? 0 : 180;
    data->year[static_cast<std::size_t>(h)].WindDir = code;
  }
  data->year[800].WindDir = 999;
  CountWindDirs(*data);
  ASSERT_TRUE(view.draw("서울", RosePeriod::Season(4), data->WindDirCount, true, sink));
  EXPECT_EQ(view.title(), "서울 지역 겨울 풍향");
  EXPECT_EQ(view.missing().caption, "[결측시간수/총시간수 : 1/2160]");
  EXPECT_EQ(view.directions()[16].caption, "북(744/34.5) ");
  EXPECT_EQ(view.directions()[4].caption, " 동(671/31.1)");
  EXPECT_EQ(view.directions()[0].caption, "   무풍\r\n(744/34.5)");
  EXPECT_EQ(view.directions()[8].caption, "남(0/0.0)");
}

TEST_F(RoseTab, RefusalsLeaveTheRoseAsItWas) {
  ASSERT_TRUE(view.draw("서울", RosePeriod::Month(1), tableWith(1, {{16, 744}}), true, sink));
  const Drawing before = view.drawing();

  struct Case {
    const char* region;
    std::optional<RosePeriod> period;
    const char* text;
  };
  const Case cases[] = {
      {"", RosePeriod::Month(2),
       "월별 기후표현을 위한 대상지역이 선택되지 않았습니다.\r\n\r\n"
       "[지역선택 메뉴에서 대상지역을 선택한 후 지역선택 확인 버튼을 클릭하세요.]"},
      {"서울", std::nullopt,
       "월별 기후표현을 위한 대상기간이 선택되지 않았습니다.\r\n\r\n"
       "[정보요약에서 대상기간을 선택하세요.]"},
      {"서울", RosePeriod::Month(2), "대상기간의 풍향 데이터가 모두 결측입니다."},
  };
  const WindDirTable allMissing = tableWith(2, {{18, 672}});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    sink.clear();
    EXPECT_FALSE(view.draw(c.region, c.period, allMissing, false, sink));
    ASSERT_EQ(sink.size(), 1u);
    EXPECT_EQ(sink.last().title, "에러");
    EXPECT_EQ(sink.last().icon, MessageIcon::Error);
    EXPECT_EQ(sink.last().text(), c.text);
    EXPECT_EQ(view.title(), "서울 지역 1월 풍향");
    EXPECT_EQ(view.drawing(), before);
    EXPECT_TRUE(view.directions()[16].visible);
  }
}

TEST_F(RoseTab, ImageTextsAreTheShownLabelsAtTheirPlaces) {
  const TextMeasure measure = [](const std::string& text, float pointSize, bool) {
    return TextExtent{static_cast<float>(text.size()) * pointSize / 2, pointSize * 1.5f};
  };
  ASSERT_TRUE(view.draw("서울", RosePeriod::Month(1), tableWith(1, {{16, 744}}), false, sink));
  std::vector<TextItem> texts;
  const Drawing image = view.withLabels(measure);
  for (const DrawItem& item : image.items())
    if (const auto* t = std::get_if<TextItem>(&item)) texts.push_back(*t);
  ASSERT_EQ(texts.size(), 6u);  // the title and the five ring labels
  EXPECT_EQ(texts[0].text, "서울 지역 1월 풍향");
  EXPECT_TRUE(texts[0].bold);
  const TextExtent titleSize = measure(texts[0].text, kRoseTitlePointSize, true);
  EXPECT_FLOAT_EQ(texts[0].x, 300 - titleSize.w / 2);
  EXPECT_EQ(texts[5].text, "50%");
  const TextExtent ring = measure("50%", kRoseLabelPointSize, false);
  EXPECT_FLOAT_EQ(texts[5].x, 500 - ring.w / 2);
  EXPECT_FLOAT_EQ(texts[5].y, 250 + ring.h);

  view.erase();
  EXPECT_TRUE(view.withLabels(measure).empty());
}

}  // namespace
}  // namespace vlm
