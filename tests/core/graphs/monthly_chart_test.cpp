// The monthly chart's table-to-series conversion and the refusals of its draw
// button.
#include "core/graphs/monthly_chart.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/climate/climate_stats.h"
#include "core/graphs/graph_messages.h"

namespace vlm {
namespace {

// A year whose every quantity is the same at each hour of a month: month m has
// DBT = m − 5, RH = 10·m, Radiation = 100·m (10·m cal/cm²), WindSpeed = m / 4.
std::unique_ptr<ClimateData> steppedYear() {
  auto data = std::make_unique<ClimateData>();
  constexpr std::array<int, 13> kMonthEnd = {0,    744,  1416, 2160, 2880, 3624, 4344,
                                             5088, 5832, 6552, 7296, 8016, 8760};
  int month = 1;
  for (int h = 1; h <= kHoursPerYear; ++h) {
    while (h > kMonthEnd[static_cast<std::size_t>(month)]) ++month;
    HourRecord& hour = data->year[static_cast<std::size_t>(h)];
    hour.DBT = static_cast<float>(month - 5);
    hour.RH = static_cast<float>(10 * month);
    hour.Radiation = static_cast<float>(100 * month);
    hour.WindSpeed = static_cast<float>(month) / 4;
    hour.WindDir = 0;
  }
  ComputeMonthStats(*data);
  return data;
}

TEST(MonthlyChart, EachElementShowsItsOwnTableWithItsTitles) {
  const auto data = steppedYear();
  struct Case {
    MonthlyElement element;
    const char* title;
    const char* axis;
    float marchMean;
  };
  const Case cases[] = {
      {MonthlyElement::DBT, "서울 지역 건구온도, 단위 : ℃", "건구온도", -2.0f},
      {MonthlyElement::RH, "서울 지역 상대습도, 단위 : %", "상대습도", 30.0f},
      {MonthlyElement::Rad, "서울 지역 일사량, 단위 : cal/cm^2", "일사량", 30.0f},
      {MonthlyElement::WS, "서울 지역 풍속, 단위 : m/s", "풍속", 0.75f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.axis);
    const MonthlyChart chart =
        BuildMonthlyChart(MonthlyTable(*data, c.element), "서울", c.element, false);
    EXPECT_EQ(chart.title, c.title);
    EXPECT_EQ(chart.axisTitle, c.axis);
    EXPECT_EQ(chart.series[1].values[2], c.marchMean);
  }
}

TEST(MonthlyChart, ThirteenCategoriesWithTheYearLastAndThreeNamedSeries) {
  const auto data = steppedYear();
  const MonthlyChart chart =
      BuildMonthlyChart(data->MonthStatDBT, "서울", MonthlyElement::DBT, false);
  EXPECT_EQ(chart.categories.front(), "1월");
  EXPECT_EQ(chart.categories[11], "12월");
  EXPECT_EQ(chart.categories.back(), "년간");
  EXPECT_EQ(chart.series[0].name, "최대값");
  EXPECT_EQ(chart.series[1].name, "평균");
  EXPECT_EQ(chart.series[2].name, "최소값");
  // The year's column holds the year's own figures: maximum of December, minimum of January.
  EXPECT_EQ(chart.series[0].values[12], 7.0f);
  EXPECT_EQ(chart.series[2].values[12], -4.0f);
}

TEST(MonthlyChart, NumbersOnGivesEveryPointItsOneDecimalText) {
  MonthStatTable table;
  table.rows[1] = {"1월", 25.0f, -3.25f, 52.3f};
  table.rows[2] = {"2월", 0.04f, 99.96f, -0.04f};
  const MonthlyChart on = BuildMonthlyChart(table, "서울", MonthlyElement::RH, true);
  EXPECT_TRUE(on.numbers);
  EXPECT_EQ(on.series[0].labels[0], "25.0");
  EXPECT_EQ(on.series[1].labels[0], "-3.3");
  EXPECT_EQ(on.series[2].labels[0], "52.3");
  EXPECT_EQ(on.series[0].labels[1], "0.0");
  EXPECT_EQ(on.series[1].labels[1], "100.0");
  EXPECT_EQ(on.series[2].labels[1], "-0.0");

  const MonthlyChart off = BuildMonthlyChart(table, "서울", MonthlyElement::RH, false);
  EXPECT_FALSE(off.numbers);
  for (const MonthlySeries& series : off.series) {
    for (const std::string& label : series.labels) EXPECT_EQ(label, "");
  }
  // Switching the numbers off removes only the labels, not the bars.
  EXPECT_EQ(off.series[2].values[0], 52.3f);
}

TEST(MonthlyChart, ACellWithoutValidHourHasNeitherBarNorLabel) {
  auto data = steppedYear();
  for (int h = 745; h <= 1416; ++h) data->year[static_cast<std::size_t>(h)].DBT = kMissing;
  ComputeMonthStats(*data);
  const MonthlyChart chart =
      BuildMonthlyChart(data->MonthStatDBT, "서울", MonthlyElement::DBT, true);
  for (const MonthlySeries& series : chart.series) {
    EXPECT_FALSE(series.values[1].has_value());
    EXPECT_EQ(series.labels[1], "");
    EXPECT_TRUE(series.values[0].has_value());
    EXPECT_NE(series.labels[0], "");
  }
}

TEST(MonthlyChartDraw, RefusesWithoutRegionAndWithoutElement) {
  const auto data = steppedYear();
  RecordingSink sink;
  EXPECT_FALSE(PrepareMonthlyChart("", MonthlyElement::DBT, *data, false, sink));
  ASSERT_EQ(sink.size(), 1u);
  EXPECT_EQ(sink.last().title, "에러");
  EXPECT_EQ(sink.last().icon, MessageIcon::Error);
  EXPECT_EQ(sink.last().text(),
            "월별 기후표현을 위한 대상지역이 선택되지 않았습니다.\r\n\r\n"
            "[지역선택 메뉴에서 대상지역을 선택한 후 지역선택 확인 버튼을 클릭하세요.]");

  sink.clear();
  EXPECT_FALSE(PrepareMonthlyChart("서울", std::nullopt, *data, false, sink));
  ASSERT_EQ(sink.size(), 1u);
  EXPECT_EQ(sink.last().title, "에러");
  EXPECT_EQ(sink.last().text(),
            "월별 기후표현을 위한 대상요소가 선택되지 않았습니다.\r\n\r\n"
            "[정보요약에서 대상요소를 선택하세요.]");
}

TEST(MonthlyChartDraw, TitleNamesTheRegionWhoseTablesAreShown) {
  auto data = steppedYear();
  data->RegionName = "부산";  // a name that does not go with these tables
  RecordingSink sink;
  const auto chart = PrepareMonthlyChart("서울", MonthlyElement::WS, *data, true, sink);
  ASSERT_TRUE(chart);
  EXPECT_TRUE(sink.empty());
  EXPECT_EQ(chart->title, "서울 지역 풍속, 단위 : m/s");
  EXPECT_EQ(chart->series[1].labels[3], "1.0");
}

}  // namespace
}  // namespace vlm
