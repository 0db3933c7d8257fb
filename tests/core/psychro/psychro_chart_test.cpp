#include "core/psychro/psychro_chart.h"

#include <gtest/gtest.h>

#include <variant>

#include "core/common/message.h"
#include "core/psychro/psychrometrics.h"

namespace vlm {
namespace {

PsychroChart chartOf(float width, float height) {
  PsychroChart chart;
  chart.SetChartScale(width, height);
  return chart;
}

const LineItem& onlyLine(const Drawing& drawing) {
  EXPECT_EQ(drawing.size(), 1u);
  return std::get<LineItem>(drawing.items().front());
}

TEST(ChartPressure, ModeZeroIsStandardPressure) {
  Psychrometrics p;
  p.Patm = 95.0f;  // left by a climate load at a station pressure
  EXPECT_EQ(SetPatm(0, p), 1);
  EXPECT_EQ(p.Patm, 101.325f);
  p.Patm = 95.0f;
  EXPECT_EQ(SetPatm(1, p), 0);
  EXPECT_EQ(p.Patm, 95.0f);
}

TEST(ChartScale, TenPercentMarginsAroundThePlot) {
  PsychroChart chart;
  const UserScale scale = chart.SetChartScale(700.0f, 500.0f);
  EXPECT_EQ(chart.ChartW, 700.0f);
  EXPECT_EQ(chart.ChartH, 500.0f);
  EXPECT_EQ(chart.MarginL, 70.0f);
  EXPECT_EQ(chart.MarginR, 70.0f);
  EXPECT_EQ(chart.PlotW, 560.0f);
  EXPECT_EQ(chart.MarginT, 50.0f);
  EXPECT_EQ(chart.MarginB, 50.0f);
  EXPECT_EQ(chart.PlotH, 400.0f);
  EXPECT_EQ(chart.ScaleX_DBT, 8.0f);
  EXPECT_NEAR(chart.ScaleY_AH, 400.0f / 0.03f, 0.01f);
  EXPECT_EQ(scale, (UserScale{-70.0f, 630.0f, -50.0f, 450.0f}));
  EXPECT_EQ(scale, chart.userScale());
}

TEST(ChartScale, ResetsRangesChangedSinceTheLastDrawing) {
  PsychroChart chart;
  chart.DBTmax = 10.0f;
  chart.AHmin = 0.01f;
  chart.SetChartScale(100.0f, 100.0f);
  EXPECT_EQ(chart.DBTmin, -20.0f);
  EXPECT_EQ(chart.DBTmax, 50.0f);
  EXPECT_EQ(chart.AHmin, 0.0f);
  EXPECT_EQ(chart.AHmax, 0.03f);
}

TEST(ChartMapping, RangeEndsMapToThePlotCorners) {
  const PsychroChart chart = chartOf(700.0f, 500.0f);
  RecordingSink sink;
  EXPECT_EQ(chart.GetX_DBT(-20.0f, sink), 0.0f);
  EXPECT_EQ(chart.GetX_DBT(50.0f, sink), chart.PlotW);
  EXPECT_EQ(chart.GetX_DBT(0.0f, sink), 160.0f);
  EXPECT_EQ(chart.GetY_AH(0.0f, sink), 0.0f);
  EXPECT_FLOAT_EQ(chart.GetY_AH(0.03f, sink), chart.PlotH);
  EXPECT_FLOAT_EQ(chart.GetY_AH(0.015f, sink), 200.0f);
  EXPECT_TRUE(sink.empty());
}

TEST(ChartMapping, DryBulbOutOfRangeMessage) {
  const PsychroChart chart = chartOf(700.0f, 500.0f);
  RecordingSink sink;
  EXPECT_EQ(chart.GetX_DBT(55.0f, sink), -1.0f);
  ASSERT_EQ(sink.size(), 1u);
  EXPECT_EQ(sink.last(), errorMessage({"건구온도의 범위가 유효하지 않습니다.",
                                       "인자값 : 55[-20 <= 건구온도('C) <=  50]",
                                       "에러장소 : GetX_DBT"}));
  sink.clear();
  EXPECT_EQ(chart.GetX_DBT(50.1f, sink), -1.0f);
  EXPECT_EQ(sink.last().lines.at(1), "인자값 : 50.1[-20 <= 건구온도('C) <=  50]");
  sink.clear();
  EXPECT_EQ(chart.GetX_DBT(-20.5f, sink), -1.0f);
  EXPECT_EQ(sink.last().lines.at(1), "인자값 :-20.5[-20 <= 건구온도('C) <=  50]");
}

TEST(ChartMapping, HumidityOutOfRangeMessage) {
  const PsychroChart chart = chartOf(700.0f, 500.0f);
  RecordingSink sink;
  EXPECT_EQ(chart.GetY_AH(-0.001f, sink), -1.0f);
  ASSERT_EQ(sink.size(), 1u);
  EXPECT_EQ(sink.last(), errorMessage({"절대습도의 범위가 유효하지 않습니다.",
                                       "인자값 :-.001[ 0 <= 절대습도(kg/kg) <=  .03]",
                                       "에러장소 : GetY_AH"}));
  EXPECT_EQ(sink.last().title, "에러");
  EXPECT_EQ(sink.last().icon, MessageIcon::Error);
  sink.clear();
  EXPECT_EQ(chart.GetY_AH(0.031f, sink), -1.0f);
  EXPECT_EQ(sink.last().lines.at(1), "인자값 : .031[ 0 <= 절대습도(kg/kg) <=  .03]");
}

TEST(ChartLines, ConstantDryBulbAndHumidity) {
  const PsychroChart chart = chartOf(700.0f, 500.0f);
  RecordingSink sink;
  Drawing vertical;
  chart.DrawLine_DBT(vertical, 30.0f, 0.0f, 0.015f, 8, sink);
  const LineItem& v = onlyLine(vertical);
  EXPECT_EQ(v.x1, 400.0f);
  EXPECT_EQ(v.x2, 400.0f);
  EXPECT_EQ(v.y1, 0.0f);
  EXPECT_FLOAT_EQ(v.y2, 200.0f);
  EXPECT_EQ(v.pen.color, Color::palette(8));

  Drawing horizontal;
  chart.DrawLine_AH(horizontal, 0.015f, -20.0f, 50.0f, 1, sink);
  const LineItem& h = onlyLine(horizontal);
  EXPECT_EQ(h.x1, 0.0f);
  EXPECT_EQ(h.x2, 560.0f);
  EXPECT_FLOAT_EQ(h.y1, 200.0f);
  EXPECT_EQ(h.y1, h.y2);
  EXPECT_TRUE(sink.empty());
}

TEST(ChartLines, OutOfRangeEndIsReportedAndStillDrawn) {
  const PsychroChart chart = chartOf(700.0f, 500.0f);
  RecordingSink sink;
  Drawing drawing;
  chart.DrawLine_AH(drawing, 0.01f, 10.0f, 60.0f, 0, sink);
  ASSERT_EQ(sink.size(), 1u);
  EXPECT_EQ(sink.last().lines.at(2), "에러장소 : GetX_DBT");
  EXPECT_EQ(onlyLine(drawing).x2, -1.0f);
}

TEST(ChartLines, RelativeHumidityCurveIsClippedAtTheTop) {
  const PsychroChart chart = chartOf(700.0f, 500.0f);
  Psychrometrics p;
  SetPatm(0, p);
  RecordingSink sink;

  Drawing both;  // saturation exceeds 0.03 kg/kg' above about 31.6 °C
  chart.DrawLine_RH(both, p, 100.0f, 33.0f, 35.0f, 4, sink);
  const LineItem& top = onlyLine(both);
  EXPECT_EQ(top.x1, chart.GetX_DBT(33.0f, sink));
  EXPECT_EQ(top.x2, chart.GetX_DBT(35.0f, sink));
  EXPECT_FLOAT_EQ(top.y1, chart.PlotH);
  EXPECT_FLOAT_EQ(top.y2, chart.PlotH);

  Drawing right;
  chart.DrawLine_RH(right, p, 100.0f, 30.0f, 35.0f, 4, sink);
  const LineItem& r = onlyLine(right);
  EXPECT_FLOAT_EQ(r.y1, chart.GetY_AH(p.GetAH_DBTRH(30.0f, 100.0f), sink));
  EXPECT_LT(r.y1, chart.PlotH - 10.0f);
  EXPECT_FLOAT_EQ(r.y2, chart.PlotH);

  Drawing low;  // a dry curve is not touched
  chart.DrawLine_RH(low, p, 20.0f, 10.0f, 20.0f, 4, sink);
  EXPECT_FLOAT_EQ(onlyLine(low).y2, chart.GetY_AH(p.GetAH_DBTRH(20.0f, 20.0f), sink));
  EXPECT_TRUE(sink.empty());
}

TEST(ChartColours, MonthOfTheHour) {
  struct Case {
    int16_t hour;
    int16_t colour;
  };
  const Case cases[] = {{1, 1},     {744, 1},    {745, 9},    {1416, 9},  {1417, 2},
                        {2160, 2},  {2161, 10},  {2880, 10},  {2881, 3},  {3624, 3},
                        {3625, 11}, {4344, 11},  {4345, 4},   {5088, 4},  {5089, 12},
                        {5832, 12}, {5833, 5},   {6552, 5},   {6553, 13}, {7296, 13},
                        {7297, 6},  {8016, 6},   {8017, 14},  {8760, 14}, {0, -1},
                        {-5, -1},   {8761, -1},  {32767, -1}};
  for (const auto& c : cases) {
    EXPECT_EQ(PsychroChart::GetColor_Hour(c.hour), c.colour) << "hour " << c.hour;
  }
}

// A month has the colour of its hours.
TEST(ChartColours, MonthColourIsThatOfItsHours) {
  const int16_t firstHour[] = {1, 745, 1417, 2161, 2881, 3625, 4345, 5089, 5833, 6553, 7297, 8017};
  for (int16_t month = 1; month <= 12; ++month) {
    EXPECT_EQ(PsychroChart::GetColor_Month(month), PsychroChart::GetColor_Hour(firstHour[month - 1]))
        << "month " << month;
  }
  EXPECT_EQ(PsychroChart::GetColor_Month(0), -1);
  EXPECT_EQ(PsychroChart::GetColor_Month(13), -1);
}

}  // namespace
}  // namespace vlm
