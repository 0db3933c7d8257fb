// Reading the bioclimatic chart under the pointer: the inverse of the chart
// mapping, the moist-air state and zone there, and the plotted hour nearest
// to the pointer on Seoul's year.
#include "core/analysis/chart_readout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>

#include "core/climate/climate_load.h"
#include "core/common/format.h"
#include "tests/core/analysis/chart_probe.h"

namespace vlm {
namespace {

using test::ChartBench;

constexpr float kPixel = kChartUnitsPerPixel;

TEST(ChartPointAt, InvertsTheChartMappingWithinAPixel) {
  ChartBench b;
  const struct {
    float dbt, ah;
  } cases[] = {{-20.0f, 0.0f}, {50.0f, 0.03f}, {0.0f, 0.004f}, {25.3f, 0.0121f}, {-7.77f, 0.0019f}};
  for (const auto& c : cases) {
    const float x = b.chart.GetX_DBT(c.dbt, b.sink);
    const float y = b.chart.GetY_AH(c.ah, b.sink);
    const auto back = ChartPointAt(b.chart, x, y);
    ASSERT_TRUE(back.has_value()) << c.dbt << " " << c.ah;
    EXPECT_LE(std::abs(back->dbt - c.dbt) * b.chart.ScaleX_DBT, kPixel) << c.dbt;
    EXPECT_LE(std::abs(back->ah - c.ah) * b.chart.ScaleY_AH, kPixel) << c.ah;
    EXPECT_NEAR(b.chart.GetX_DBT(back->dbt, b.sink), x, kPixel);
    EXPECT_NEAR(b.chart.GetY_AH(back->ah, b.sink), y, kPixel);
  }
  EXPECT_TRUE(b.sink.empty());
  // The margins around the plot area and an unscaled chart read nothing.
  for (const auto& [x, y] :
       {std::pair{-kPixel, 100.0f}, std::pair{100.0f, -kPixel},
        std::pair{b.chart.PlotW + kPixel, 100.0f}, std::pair{100.0f, b.chart.PlotH + kPixel}}) {
    EXPECT_FALSE(ChartPointAt(b.chart, x, y).has_value()) << x << " " << y;
  }
  EXPECT_FALSE(ChartPointAt(PsychroChart{}, 0.0f, 0.0f).has_value());
}

TEST(AirStateAt, GivesTheStateAndZoneAtTheChartsPressure) {
  ChartBench b;
  const float ah = b.psychro.GetAH_DBTRH(25.0f, 50.0f);
  const auto state = AirStateAt(b.chart, {25.0f, ah});
  ASSERT_TRUE(state.has_value());
  EXPECT_NEAR(state->air.rh, 50.0f, 0.01f);
  EXPECT_NEAR(state->air.wbt, 17.9f, 0.1f);        // psychrometric tables: 17.9 °C
  EXPECT_NEAR(state->air.enth, 50300.0f, 200.0f);  // and about 50.3 kJ/kg
  EXPECT_EQ(state->zone, 7);                       // comfortable, shade needed
  // Above the saturation curve there is no air to read.
  EXPECT_FALSE(AirStateAt(b.chart, {10.0f, 0.02f}).has_value());
}

TEST(ZonedStateText, NamesEveryValueAndTheZonesThatCountIt) {
  ZonedState s;
  s.air.dbt = 25.0f;
  s.air.ah = 0.00988f;
  s.air.rh = 50.04f;
  s.air.enth = 50290.0f;
  s.air.wbt = 17.94f;
  s.zone = 7;
  EXPECT_EQ(ZonedStateText(s),
            "건구온도 25.0°C, 절대습도 0.0099kg/kg', 상대습도 50.0%, 엔탈피 50.3kJ/kg, "
            "습구온도 17.9°C, 요구 죤: 쾌적(그늘 필요), 지침 죤: 태양열차단");
  s.zone = 1;
  EXPECT_EQ(ZonedStateText(s).substr(ZonedStateText(s).find("요구")),
            "요구 죤: 난방 필요, 지침 죤: 단열, 침기차단, 태양열획득");
  s.zone = kZoneNoTest;
  EXPECT_EQ(ZonedStateText(s).find("죤"), std::string::npos);
}

class SeoulReadout : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    seoul_ = std::make_unique<ClimateData>();
    Psychrometrics psychro;
    const auto file = std::filesystem::path(VLM_TEST_DATA_DIR) / ".." / ".." / "resources" /
                      "weather" / "seoul.cly";
    readClimateYear(*seoul_, file.string(), psychro);
    seoul_->RegionName = "서울";
  }
  static void TearDownTestSuite() { seoul_.reset(); }

  [[nodiscard]] float x(int h) const { return b_.x(hour(h).DBT); }
  [[nodiscard]] float y(int h) const { return b_.y(hour(h).AH); }
  [[nodiscard]] static const HourRecord& hour(int h) {
    return seoul_->year[static_cast<std::size_t>(h)];
  }

  static std::unique_ptr<ClimateData> seoul_;
  ChartBench b_;
};
std::unique_ptr<ClimateData> SeoulReadout::seoul_;

TEST_F(SeoulReadout, ListsThePointsThePlotDraws) {
  const auto hourly = ListPlottedPoints(b_.chart, *seoul_, PeriodMode::Hourly, 1, 8760);
  EXPECT_EQ(hourly.points.size(), 8760u);
  EXPECT_EQ(hourly.points[99].hour, 100);
  EXPECT_EQ(ListPlottedPoints(b_.chart, *seoul_, PeriodMode::Daily, 1, 8760).points.size(), 730u);
  const auto monthly = ListPlottedPoints(b_.chart, *seoul_, PeriodMode::Monthly, 1417, 1417);
  ASSERT_EQ(monthly.points.size(), 2u);  // March, warmest and coolest
  EXPECT_EQ(monthly.points[0].hour, 1417);
  EXPECT_GT(monthly.points[0].at.dbt, monthly.points[1].at.dbt);
}

TEST_F(SeoulReadout, FindsTheHourUnderThePointer) {
  const auto plotted = ListPlottedPoints(b_.chart, *seoul_, PeriodMode::Hourly, 1, 8760);
  // The hottest hour of the year stands apart: two pixels off still reads it.
  int hottest = 1;
  for (int h = 1; h <= 8760; ++h) {
    if (hour(h).DBT > hour(hottest).DBT) hottest = h;
  }
  const auto near =
      NearestPoint(plotted, b_.chart, x(hottest) + 2 * kPixel, y(hottest), 5 * kPixel);
  ASSERT_TRUE(near.has_value());
  EXPECT_EQ(plotted.points[*near].hour, hottest);
  // On any hour's centre the point found lies on that centre (the earliest of
  // hours with the same values).
  for (const int h : {1, 1688, 4000, 6000, 8760}) {
    const auto on = NearestPoint(plotted, b_.chart, x(h), y(h), 5 * kPixel);
    ASSERT_TRUE(on.has_value()) << h;
    const PlottedPoint& p = plotted.points[*on];
    EXPECT_LE(p.hour, h);
    EXPECT_EQ(p.at.dbt, hour(h).DBT);
    EXPECT_EQ(p.at.ah, hour(h).AH);
  }
  // Far from every point: none.
  EXPECT_FALSE(NearestPoint(plotted, b_.chart, b_.x(45.0f), b_.y(0.001f), 5 * kPixel));
}

TEST_F(SeoulReadout, ThePointsTextNamesItsDateHourValuesAndZone) {
  const auto plotted = ListPlottedPoints(b_.chart, *seoul_, PeriodMode::Hourly, 4000, 4000);
  const std::string text = PlottedPointText(plotted, 0, *seoul_, b_.chart);
  const HourRecord& h = hour(4000);
  const int16_t zone = GetZone(h.DBT, h.WBT, h.AH, h.RH, h.SpecV, b_.chart);
  ASSERT_GE(NeedZoneIndex(zone), 0);
  EXPECT_EQ(text.rfind("6월 16일 15시: 건구온도 " + Format(h.DBT, "0.0") + "°C", 0), 0u) << text;
  EXPECT_NE(text.find(std::string(kNeedZones[static_cast<std::size_t>(NeedZoneIndex(zone))].name)),
            std::string::npos);

  const auto daily = ListPlottedPoints(b_.chart, *seoul_, PeriodMode::Daily, 1441, 1464);
  EXPECT_EQ(PlottedPointText(daily, 0, *seoul_, b_.chart).rfind("3월 2일: 건구온도", 0), 0u);
  const auto monthly = ListPlottedPoints(b_.chart, *seoul_, PeriodMode::Monthly, 1417, 1417);
  EXPECT_EQ(PlottedPointText(monthly, 1, *seoul_, b_.chart).rfind("3월: 건구온도", 0), 0u);
}

TEST_F(SeoulReadout, TheWholeReadoutJoinsPointAndPointerAndIsEmptyOutside) {
  const auto plotted = ListPlottedPoints(b_.chart, *seoul_, PeriodMode::Hourly, 4000, 4000);
  const std::string both =
      BioChartReadout(b_.chart, plotted, *seoul_, x(4000), y(4000), 5 * kPixel);
  EXPECT_EQ(both.rfind("6월 16일 15시: ", 0), 0u);
  EXPECT_NE(both.find(" | 건구온도 "), std::string::npos);
  const std::string pointer =
      BioChartReadout(b_.chart, PlottedPoints{}, *seoul_, b_.x(25.0f), b_.y(0.01f), 5 * kPixel);
  EXPECT_EQ(pointer.rfind("건구온도 25.0°C, 절대습도 0.0100kg/kg'", 0), 0u) << pointer;
  EXPECT_EQ(BioChartReadout(b_.chart, plotted, *seoul_, -kPixel, 10.0f, 5 * kPixel), "");
  EXPECT_EQ(
      BioChartReadout(b_.chart, PlottedPoints{}, *seoul_, b_.x(0.0f), b_.y(0.029f), 5 * kPixel),
      "");
}

}  // namespace
}  // namespace vlm
