// The psychrometric grid, the zone outlines and the axis marks of the
// bioclimatic chart, read back from the Drawing.
#include "core/analysis/chart_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>
#include <vector>

#include "chart_probe.h"
#include "core/analysis/axis_labels.h"
#include "core/analysis/psychro_grid.h"
#include "core/analysis/zone_outlines.h"
#include "synthetic_year.h"

namespace vlm {
namespace {

using test::ChartBench;
using test::itemsOf;

bool horizontal(const LineItem& l) { return l.y1 == l.y2 && l.x1 != l.x2; }

TEST(DrawPsychroGrid, HumidityLinesStartOnTheSaturationCurveOrAtTheColdEdge) {
  ChartBench b;
  ASSERT_TRUE(DrawPsychroGrid(b.c));
  EXPECT_TRUE(b.sink.empty());
  std::vector<LineItem> levels;
  for (const LineItem& l : itemsOf<LineItem>(b.drawing)) {
    if (horizontal(l) && std::abs(l.x2 - b.chart.PlotW) < 1e-3f && l.x1 < l.x2) levels.push_back(l);
  }
  // The base, 0.002 … 0.028 from the loop and the top edge.
  ASSERT_EQ(levels.size(), 16u);
  int fromColdEdge = 0;
  for (const LineItem& l : levels) {
    const float w = l.y1 / b.chart.ScaleY_AH;
    const float dew = w > 0.0f ? b.psychro.GetDBT_AHRH(w, 100.0f) : -1000.0f;
    const float start = std::max(dew, -20.0f);
    EXPECT_NEAR(l.x1, b.x(start), 0.5f) << "humidity " << w;
    if (start == -20.0f) ++fromColdEdge;
    // The dew-point fit and the saturation function agree to a few parts in 10⁴.
    if (w > 0.0f) {
      EXPECT_NEAR(b.psychro.GetAH_DBTRH(start, 100.0f), w, w * 1e-3f) << "humidity " << w;
    }
  }
  EXPECT_EQ(fromColdEdge, 1) << "only the base: 0.002 kg/kg' saturates near -7 °C";
  EXPECT_FLOAT_EQ(levels.back().y1, b.chart.PlotH);
}

TEST(DrawPsychroGrid, DryBulbLinesEveryTwoDegreesUpToSaturation) {
  ChartBench b;
  DrawPsychroGrid(b.c);
  std::vector<LineItem> verticals;
  for (const LineItem& l : itemsOf<LineItem>(b.drawing)) {
    if (l.x1 == l.x2 && l.y1 == 0.0f) verticals.push_back(l);
  }
  ASSERT_EQ(verticals.size(), 36u);
  for (std::size_t i = 0; i < verticals.size(); ++i) {
    const float t = -20.0f + 2.0f * static_cast<float>(i);
    EXPECT_FLOAT_EQ(verticals[i].x1, b.x(t));
    const float top = std::min(b.psychro.GetAH_DBTRH(t, 100.0f), 0.03f);
    EXPECT_FLOAT_EQ(verticals[i].y2, b.y(top)) << t;
  }
}

TEST(DrawPsychroGrid, RelativeHumidityCurvesStopRisingAtTheTopEdge) {
  ChartBench b;
  DrawPsychroGrid(b.c);
  const auto lines = itemsOf<LineItem>(b.drawing);
  for (const LineItem& l : lines) {
    EXPECT_LE(l.y1, b.chart.PlotH);
    EXPECT_LE(l.y2, b.chart.PlotH);
    EXPECT_GE(std::min(l.x1, l.x2), 0.0f);
    EXPECT_LE(std::max(l.x1, l.x2), b.chart.PlotW);
  }
  // The saturation curve is the last curve drawn: from about 31.6 °C it runs
  // along the top edge of the chart.
  const auto top = std::count_if(lines.end() - 699, lines.end(), [&](const LineItem& l) {
    return l.y1 == b.chart.PlotH && l.y2 == b.chart.PlotH;
  });
  EXPECT_GE(top, 180);
  EXPECT_LE(top, 185);
  EXPECT_TRUE(b.sink.empty()) << "no chord of a curve leaves the chart at 50 °C";
}

TEST(DrawPsychroGrid, ANegativeHumidityMinimumIsRefusedAfterTheDryBulbLines) {
  ChartBench b;
  b.chart.AHmin = -0.001f;
  EXPECT_FALSE(DrawPsychroGrid(b.c));
  ASSERT_FALSE(b.sink.empty());
  EXPECT_EQ(b.sink.last(), errorMessage({"현재의 절대습도 최소값(public AHmin) =-.001",
                                         "[절대습도 최소값(public AHmin) should be >= 0]"}));
  const auto lines = itemsOf<LineItem>(b.drawing);
  ASSERT_EQ(lines.size(), 36u);
  EXPECT_TRUE(
      std::all_of(lines.begin(), lines.end(), [](const LineItem& l) { return l.x1 == l.x2; }));
}

// The pieces of an outline: chords that continue one another exactly (the
// 0.1 °C chords of a curve) are one piece.
struct Piece {
  float x1, y1, x2, y2;
};

std::vector<Piece> piecesOf(const std::vector<LineItem>& lines) {
  std::vector<Piece> pieces;
  for (const LineItem& l : lines) {
    if (!pieces.empty() && pieces.back().x2 == l.x1 && pieces.back().y2 == l.y1) {
      pieces.back().x2 = l.x2;
      pieces.back().y2 = l.y2;
    } else {
      pieces.push_back({l.x1, l.y1, l.x2, l.y2});
    }
  }
  return pieces;
}

// An outline is closed when every end of every piece meets an end of another
// piece; a curve ends up to 0.1 °C short of its corner.
void expectClosedOutline(const char* name, const std::function<void(BioChart&)>& draw,
                         int16_t color) {
  ChartBench b;
  draw(b.c);
  EXPECT_TRUE(b.sink.empty()) << name;
  const auto lines = itemsOf<LineItem>(b.drawing);
  ASSERT_FALSE(lines.empty()) << name;
  for (const LineItem& l : lines) {
    EXPECT_EQ(l.pen.color, Color::palette(color)) << name;
    EXPECT_EQ(l.pen.width, 2.0f) << name;
  }
  const auto pieces = piecesOf(lines);
  const float tolX = b.chart.ScaleX_DBT * 0.12f;
  const float tolY = b.chart.ScaleY_AH * 0.0006f;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    for (const auto& end : {std::pair{pieces[i].x1, pieces[i].y1}, {pieces[i].x2, pieces[i].y2}}) {
      // A named pair, not structured bindings: clang 14 cannot capture those.
      const auto near = [&](float x, float y) {
        return std::abs(x - end.first) <= tolX && std::abs(y - end.second) <= tolY;
      };
      bool meets = false;
      for (std::size_t j = 0; j < pieces.size(); ++j) {
        if (j != i && (near(pieces[j].x1, pieces[j].y1) || near(pieces[j].x2, pieces[j].y2))) {
          meets = true;
        }
      }
      EXPECT_TRUE(meets) << name << ": piece " << i << " end ("
                         << end.first / b.chart.ScaleX_DBT - 20 << " °C, "
                         << end.second / b.chart.ScaleY_AH << ") is loose";
    }
  }
}

// The corners of two outlines against values worked by hand from the zone
// table (°F limits converted to °C; humidity ratios at 101.325 kPa from the
// Magnus saturation pressure, which agrees with the chart's to 0.1 %): every
// corner is an end of some line, and no line strays outside the corners' box.
TEST(ZoneOutlines, CornersLieWhereTheZoneTableSays) {
  struct Corner {
    float dbt, ah;
  };
  struct Zone {
    const char* name;
    void (*draw)(BioChart&);
    std::vector<Corner> corners;
  };
  const Zone zones[] = {
      // Heating: the chart's left and base, 67.5 °F = 19.72 °C, saturation.
      {"TH",
       DrawZoneTH,
       {{-20.0f, 0.0f}, {19.722f, 0.0f}, {19.722f, 0.01442f}, {-20.0f, 0.000634f}}},
      // Comfort with shade: from 67.5 °F and W 0.004119 up to RH 80 %, and the
      // right line from 26.32 °C on the base to 24.13 °C at saturation.
      {"TCT",
       DrawZoneTCT,
       {{19.722f, 0.004119f}, {19.722f, 0.01147f}, {24.54f, 0.01553f}, {25.848f, 0.004119f}}},
  };
  for (const Zone& zone : zones) {
    ChartBench b;
    zone.draw(b.c);
    std::vector<Corner> ends;
    for (const LineItem& l : itemsOf<LineItem>(b.drawing)) {
      for (const auto& [x, y] : {std::pair{l.x1, l.y1}, std::pair{l.x2, l.y2}})
        ends.push_back(
            {x / b.chart.ScaleX_DBT + b.chart.DBTmin, y / b.chart.ScaleY_AH + b.chart.AHmin});
    }
    ASSERT_FALSE(ends.empty()) << zone.name;
    for (const Corner& corner : zone.corners) {
      const bool found = std::any_of(ends.begin(), ends.end(), [&](const Corner& e) {
        return std::abs(e.dbt - corner.dbt) <= 0.05f && std::abs(e.ah - corner.ah) <= 0.00005f;
      });
      EXPECT_TRUE(found) << zone.name << ": no line ends at (" << corner.dbt << " °C, " << corner.ah
                         << ")";
    }
    const auto [tLow, tHigh] =
        std::minmax_element(zone.corners.begin(), zone.corners.end(),
                            [](const Corner& a, const Corner& c) { return a.dbt < c.dbt; });
    const auto [wLow, wHigh] =
        std::minmax_element(zone.corners.begin(), zone.corners.end(),
                            [](const Corner& a, const Corner& c) { return a.ah < c.ah; });
    for (const Corner& e : ends) {
      EXPECT_TRUE(e.dbt >= tLow->dbt - 0.05f && e.dbt <= tHigh->dbt + 0.05f) << zone.name;
      EXPECT_TRUE(e.ah >= wLow->ah - 0.00005f && e.ah <= wHigh->ah + 0.00005f) << zone.name;
    }
  }
}

TEST(ZoneOutlines, EveryOutlineIsClosedInItsLegendColour) {
  struct Zone {
    const char* name;
    void (*draw)(BioChart&);
    int16_t color;
  };
  const Zone zones[] = {
      {"TH", DrawZoneTH, 1},  {"TC", DrawZoneTC, 9},    {"TCT", DrawZoneTCT, 2},
      {"DH", DrawZoneDH, 10}, {"HU", DrawZoneHU, 3},    {"RC", DrawZoneRC, 11},
      {"RI", DrawZoneRI, 4},  {"PSG", DrawZonePSG, 12}, {"RSG", DrawZoneRSG, 5},
      {"PV", DrawZonePV, 13}, {"PEC", DrawZonePEC, 6},  {"PRC", DrawZonePRC, 14},
      {"MC", DrawZoneMC, 0},  {"MCD", DrawZoneMCD, 8},
  };
  for (const Zone& z : zones) expectClosedOutline(z.name, z.draw, z.color);
}

TEST(ZoneOutlines, OnlyTickedZonesAreDrawnInTheirFixedOrder) {
  ChartBench b;
  std::array<bool, 9> guide{};
  guide[8] = true;  // 기계냉방, 제습
  guide[1] = true;  // 침기차단
  DrawGuideZones(b.c, guide);
  std::array<bool, 5> need{};
  need[4] = true;  // 가습만 필요
  DrawNeedZones(b.c, need);
  std::vector<int16_t> order;
  for (const LineItem& l : itemsOf<LineItem>(b.drawing)) {
    if (order.empty() || order.back() != l.pen.color.paletteIndex)
      order.push_back(l.pen.color.paletteIndex);
  }
  EXPECT_EQ(order, (std::vector<int16_t>{4, 8, 3}));
}

TEST(ZoneOutlines, TheComfortZoneStopsWhenItsRightLineCannotBeMapped) {
  ChartBench b;
  b.chart.DBTmax = 25.0f;  // the line's lower end, 25.8483 °C, is now off the chart
  DrawZoneTCT(b.c);
  ASSERT_EQ(b.sink.size(), 2u);
  EXPECT_EQ(b.sink.messages()[0].lines.back(), "에러장소 : GetX_DBT");
  EXPECT_EQ(b.sink.last(),
            errorMessage({"생체기후적 요구 죤 - 쾌적(그늘 필요)의 우측 라인 그리기 위한",
                          "건구온도 혹은 절대습도의 값이 유효하지 않습니다."}));
  EXPECT_EQ(b.drawing.size(), 1u) << "only the left side was drawn";
}

TEST(ShowAxisLabels, LabelsFollowThePlotAreaAndTicksMarkTheAxes) {
  ChartBench b;
  const auto labels = ShowAxisLabels(b.c, 1);
  ASSERT_EQ(labels.size(), kAxisLabelNames.size());
  for (std::size_t i = 0; i < labels.size(); ++i) EXPECT_EQ(labels[i].name, kAxisLabelNames[i]);
  const PsychroChart& k = b.chart;
  for (std::size_t i = 0; i < 8; ++i) {
    EXPECT_FLOAT_EQ(labels[i].x, b.x(-20.0f + 10.0f * static_cast<float>(i)));
    EXPECT_FLOAT_EQ(labels[i].y, -k.MarginB / 4);
    EXPECT_EQ(labels[i].hAlign, HAlign::Center);
  }
  EXPECT_EQ(labels[0].text, "-20");
  EXPECT_EQ(labels[7].text, "50");
  EXPECT_EQ(labels[8].text, "건구온도(°C)");
  for (std::size_t i = 9; i < 13; ++i) {
    EXPECT_FLOAT_EQ(labels[i].x, k.PlotW + k.MarginR * 0.15f);
  }
  EXPECT_FLOAT_EQ(labels[9].y, k.PlotH + k.MarginT * 0.1f);
  EXPECT_FLOAT_EQ(labels[12].y, k.MarginT * 0.1f);
  EXPECT_TRUE(labels[13].vertical);
  EXPECT_EQ(labels[14].text, "상대습도 100%");
  EXPECT_EQ(labels[18].text, "20%");

  const auto lines = itemsOf<LineItem>(b.drawing);
  std::size_t dryTicks = 0;
  std::size_t humidTicks = 0;
  for (const LineItem& l : lines) {
    EXPECT_EQ(l.pen, (Pen{Color::palette(0), 1.0f, DashStyle::Solid}));
    if (l.x1 == l.x2 && l.y1 == 0.0f && l.y2 == -k.MarginB / 6) ++dryTicks;
    if (l.y1 == l.y2 && l.x1 == k.PlotW && l.x2 == k.PlotW + k.MarginR * 0.1f) ++humidTicks;
  }
  EXPECT_EQ(dryTicks, 8u);
  EXPECT_EQ(humidTicks, 4u);
  EXPECT_GT(lines.size(), 12u) << "the curve markers beside the humidity labels";
  EXPECT_TRUE(b.sink.empty());
}

TEST(ShowAxisLabels, ModeZeroHidesTheLabelsAndDrawsNothing) {
  ChartBench b;
  b.drawing.setPenWidth(2.0f);
  EXPECT_TRUE(ShowAxisLabels(b.c, 0).empty());
  EXPECT_TRUE(b.drawing.empty());
  EXPECT_EQ(b.drawing.penWidth(), 1.0f);
}

TEST(DrawChartContent, ZonesAreDrawnOverTheDataAndLabelsLast) {
  ChartBench b;
  const auto climate = test::SyntheticYear();
  ChartContent content;
  content.grid = content.data = content.needZones = content.guideZones = content.labels = true;
  content.need.fill(true);
  content.guide.fill(true);
  const auto labels = DrawChartContent(b.c, content, *climate, {PeriodMode::Hourly, 1, 8760});
  EXPECT_EQ(labels.size(), 19u);
  EXPECT_TRUE(b.sink.empty());
  const auto& items = b.drawing.items();
  const auto lastCircle = std::find_if(items.rbegin(), items.rend(), [](const DrawItem& i) {
    return std::holds_alternative<CircleItem>(i);
  });
  const auto firstOutline = std::find_if(items.begin(), items.end(), [](const DrawItem& i) {
    const auto* l = std::get_if<LineItem>(&i);
    return l != nullptr && l->pen.width == 2.0f;
  });
  ASSERT_NE(firstOutline, items.end());
  EXPECT_LT(items.rend() - lastCircle - 1, firstOutline - items.begin());
  EXPECT_EQ(itemsOf<CircleItem>(b.drawing).size(), 8760u);
}

}  // namespace
}  // namespace vlm
