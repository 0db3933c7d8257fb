// Plotting a period on the bioclimatic chart: which hours become points, the
// extremes of a day or a month with their tie rules, the month colours, and
// the notice of an hour that cannot be placed.
#include "core/analysis/climate_plot.h"

#include <gtest/gtest.h>

#include "chart_probe.h"
#include "synthetic_year.h"

namespace vlm {
namespace {

using test::ChartBench;
using test::itemsOf;

constexpr int16_t kMarch2 = 1441;  // 2 March 0 h

TEST(PlotClimateData, HourlyPlotsOneMonthColouredCirclePerHour) {
  ChartBench b;
  const auto climate = test::SyntheticYear();
  PlotClimateData(b.c, *climate, PeriodMode::Hourly, 740, 749);  // 31 January 19 h … 1 February 4 h
  const auto circles = itemsOf<CircleItem>(b.drawing);
  ASSERT_EQ(circles.size(), 10u);
  EXPECT_TRUE(b.sink.empty());
  for (std::size_t i = 0; i < circles.size(); ++i) {
    const HourRecord& r = climate->year[740 + i];
    EXPECT_FLOAT_EQ(circles[i].cx, b.x(r.DBT));
    EXPECT_FLOAT_EQ(circles[i].cy, b.y(r.AH));
    EXPECT_EQ(circles[i].radius, 30.0f);
    EXPECT_EQ(circles[i].pen.width, 1.0f);
    EXPECT_EQ(circles[i].pen.color, Color::palette(i < 5 ? 1 : 9))
        << "January blue, February light blue";
  }
}

TEST(PlotClimateData, OneInvalidHourGivesOneNoticeNamingItAndTheRestIsPlotted) {
  ChartBench b;
  auto climate = test::SyntheticYear();
  test::SetHour(*climate, kMarch2 + 13, kMissing, kMissing);  // 2 March 13 h
  PlotClimateData(b.c, *climate, PeriodMode::Hourly, kMarch2, kMarch2 + 23);
  EXPECT_EQ(itemsOf<CircleItem>(b.drawing).size(), 23u);
  ASSERT_EQ(b.sink.size(), 1u);
  EXPECT_EQ(
      b.sink.last(),
      infoMessage({"기후데이터 파일내 건구온도, 습구온도 혹은 기상대기압 데이터가 결측이거나,",
                   "건구온도 범위(-20<=and<=50°C) 혹은 절대습도 범위(0<=and<=0.03kg/kg')를",
                   "벗어났습니다.", "", "[대상지역 : 서울, 대상시각 : 3월 2일 13시]"}));
  EXPECT_EQ(b.sink.last().title, "Velmora");
}

TEST(PlotClimateData, HoursOutsideTheChartAreNoticedAtBothRangesEnds) {
  struct Case {
    float dbt, ah;
    bool chartable;
  };
  const Case cases[] = {
      {-20.0f, 0.0f, true},     {50.0f, 0.03f, true},     {-20.1f, 0.001f, false},
      {50.1f, 0.01f, false},    {30.0f, 0.0301f, false},  {10.0f, -0.0001f, false},
      {kMissing, 0.01f, false}, {20.0f, kMissing, false},
  };
  ChartBench b;
  for (const Case& c : cases) {
    HourRecord r;
    r.DBT = c.dbt;
    r.AH = c.ah;
    EXPECT_EQ(ChartableHour(r, b.chart), c.chartable) << c.dbt << " " << c.ah;
  }
}

TEST(PlotClimateData, ADayOfEqualTemperaturesGivesAVerticalLineFromDriestToWettest) {
  ChartBench b;
  auto climate = test::SyntheticYear();
  for (int i = 0; i < 24; ++i) {
    // The same dry-bulb all day; the humidity peaks at 10 h and is lowest at 20 h.
    const float depression = i == 10 ? 0.5f : i == 20 ? 6.0f : 3.0f;
    test::SetHour(*climate, kMarch2 + i, 12.0f, 12.0f - depression);
  }
  PlotClimateData(b.c, *climate, PeriodMode::Daily, kMarch2, kMarch2 + 23);
  const auto circles = itemsOf<CircleItem>(b.drawing);
  const auto lines = itemsOf<LineItem>(b.drawing);
  ASSERT_EQ(circles.size(), 2u);
  ASSERT_EQ(lines.size(), 1u);
  const float wettest = climate->year[kMarch2 + 10].AH;
  const float driest = climate->year[kMarch2 + 20].AH;
  EXPECT_FLOAT_EQ(circles[0].cy, b.y(wettest)) << "the warmest point keeps the larger humidity";
  EXPECT_FLOAT_EQ(circles[1].cy, b.y(driest)) << "the coolest point keeps the smaller humidity";
  EXPECT_EQ(circles[0].cx, circles[1].cx);
  EXPECT_EQ(lines[0].x1, lines[0].x2);
  EXPECT_EQ(lines[0].pen.color, Color::palette(2)) << "March is green";
}

TEST(PlotClimateData, DailyExtremesAreTheWarmestAndCoolestHourOfEachDay) {
  ChartBench b;
  const auto climate = test::SyntheticYear();
  PlotClimateData(b.c, *climate, PeriodMode::Daily, 1, 72);
  const auto circles = itemsOf<CircleItem>(b.drawing);
  const auto lines = itemsOf<LineItem>(b.drawing);
  ASSERT_EQ(circles.size(), 6u);
  ASSERT_EQ(lines.size(), 3u);
  for (int day = 0; day < 3; ++day) {
    float warm = -1000.0f;
    float cool = 1000.0f;
    for (int h = day * 24 + 1; h <= day * 24 + 24; ++h) {
      warm = std::max(warm, climate->year[static_cast<std::size_t>(h)].DBT);
      cool = std::min(cool, climate->year[static_cast<std::size_t>(h)].DBT);
    }
    EXPECT_FLOAT_EQ(circles[static_cast<std::size_t>(2 * day)].cx, b.x(warm));
    EXPECT_FLOAT_EQ(circles[static_cast<std::size_t>(2 * day + 1)].cx, b.x(cool));
  }
}

TEST(PlotClimateData, MonthlyCoversWholeMonthsWhateverDayThePeriodStartsAndEnds) {
  ChartBench b;
  auto climate = test::SyntheticYear();
  // The extremes of March lie before the 15th and those of April after the 20th.
  test::SetHour(*climate, 1417 + 30, 35.0f, 24.0f);    // 2 March
  test::SetHour(*climate, 1417 + 60, -15.0f, -16.0f);  // 3 March
  test::SetHour(*climate, 2880 - 5, 38.0f, 25.0f);     // 30 April
  const int16_t march15 = 1417 + 14 * 24;
  const int16_t april20 = 2161 + 19 * 24 + 23;
  PlotClimateData(b.c, *climate, PeriodMode::Monthly, march15, april20);
  const auto circles = itemsOf<CircleItem>(b.drawing);
  ASSERT_EQ(circles.size(), 4u);
  EXPECT_FLOAT_EQ(circles[0].cx, b.x(35.0f));
  EXPECT_FLOAT_EQ(circles[1].cx, b.x(-15.0f));
  EXPECT_FLOAT_EQ(circles[2].cx, b.x(38.0f));
  EXPECT_EQ(circles[0].pen.color, Color::palette(2));
  EXPECT_EQ(circles[2].pen.color, Color::palette(10));
  EXPECT_TRUE(b.sink.empty());
}

TEST(PlotClimateData, ADayWithoutAChartableHourIsLeftOutAfterItsHourNotices) {
  ChartBench b;
  auto climate = test::SyntheticYear();
  for (int i = 0; i < 24; ++i) test::SetHour(*climate, kMarch2 + 24 + i, 55.0f, 30.0f);  // 3 March
  PlotClimateData(b.c, *climate, PeriodMode::Daily, kMarch2, kMarch2 + 71);
  EXPECT_EQ(itemsOf<CircleItem>(b.drawing).size(), 4u) << "2 and 4 March only";
  ASSERT_EQ(b.sink.size(), 24u) << "one notice per hour, none for the empty day";
  for (const Message& m : b.sink.messages()) EXPECT_EQ(m.title, "Velmora");
  EXPECT_EQ(b.sink.messages()[0].lines.back(), "[대상지역 : 서울, 대상시각 : 3월 3일 0시]");
  EXPECT_EQ(b.sink.messages()[23].lines.back(), "[대상지역 : 서울, 대상시각 : 3월 3일 23시]");
}

TEST(PlotClimateData, AMonthWithoutAChartableHourIsLeftOut) {
  ChartBench b;
  auto climate = test::SyntheticYear();
  for (int h = 745; h <= 1416; ++h) test::SetHour(*climate, h, kMissing, kMissing);
  PlotClimateData(b.c, *climate, PeriodMode::Monthly, 1, 2160);
  const auto circles = itemsOf<CircleItem>(b.drawing);
  ASSERT_EQ(circles.size(), 4u);
  EXPECT_EQ(circles[0].pen.color, Color::palette(1));
  EXPECT_EQ(circles[2].pen.color, Color::palette(2));
  EXPECT_EQ(b.sink.size(), 672u);
}

}  // namespace
}  // namespace vlm
