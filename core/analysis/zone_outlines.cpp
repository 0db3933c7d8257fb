#include "core/analysis/zone_outlines.h"

#include "core/analysis/zone.h"
#include "core/psychro/psychro_chart.h"

namespace vlm {
namespace {

// Corners where two classification boundaries meet, to the precision of the
// constants. The comfort zone's right line runs from kRightAtSat on the
// saturation curve to kRightAtZero on the chart's base.
constexpr float kRightAtSat = 24.13404f;
constexpr float kRightAtZero = 26.321613f;
constexpr ChartPoint kRightAtRH80{24.53852f, 0.015518f};
constexpr ChartPoint kRightAtAHLow{25.8483f, kZoneAHLow};
constexpr float kRightAtAHHigh = 24.684044f;
constexpr ChartPoint kRightAtWBT51{26.108072f, 0.001858447f};
// The 51.5 °F wet-bulb line near the low humidity limit.
constexpr float kWBT51AtAHLow = 20.49975f;
// On or near the 71.5 °F wet-bulb line.
constexpr float kWBT71AtAHHigh = 27.59998f;
constexpr float kWBT71Knee = 32.70866f;
// Near the 0.886477 m³/kg specific-volume line.
constexpr float kSVAtSat = 28.04704f;
constexpr float kSVAtRH80 = 29.54198f;
constexpr ChartPoint kSVAt89F{kZoneDBT89_5F, 0.015932f};
// Right end of the radiant-cooling floor.
constexpr float kRadiantFloorEnd = 36.60643f;

constexpr float kHeatLimit = kZoneDBT67_5F;

int16_t needColor(std::size_t i) { return kNeedZoneColors[i]; }
int16_t guideColor(std::size_t i) { return kGuideZoneColors[i]; }

void outlinePen(BioChart& c) { c.drawing.setPenWidth(kOutlinePen); }

// The hot, dry corner shared by restrict conduction, restrict infiltration and
// mechanical cooling: the 104.5 °F side up to the 71.5 °F wet-bulb line, that
// line to its knee and on to the 89.5 °F corner at the high humidity limit.
void hotDryCorner(BioChart& c, int16_t color) {
  const PsychroChart& k = c.chart;
  const ChartPoint top{kZoneDBT104_5F, WetBulbAH(c, kZoneDBT104_5F, kZoneWBT71_5F)};
  const ChartPoint knee{kWBT71Knee, WetBulbAH(c, kWBT71Knee, kZoneWBT71_5F)};
  PieceV(c, kZoneDBT104_5F, k.AHmin, top.ah, color);
  PieceS(c, top, knee, color);
  PieceS(c, knee, {kZoneDBT89_5F, kZoneAHHigh}, color);
}

}  // namespace

Message ComfortRightLineMessage() {
  return errorMessage({"생체기후적 요구 죤 - 쾌적(그늘 필요)의 우측 라인 그리기 위한",
                       "건구온도 혹은 절대습도의 값이 유효하지 않습니다."});
}

void DrawZoneTH(BioChart& c) {
  outlinePen(c);
  PieceHeat(c, needColor(0));
}

void DrawZoneTC(BioChart& c) {
  outlinePen(c);
  const PsychroChart& k = c.chart;
  const int16_t color = needColor(1);
  PieceV(c, k.DBTmax, k.AHmin, k.AHmax, color);
  PieceH(c, k.AHmin, kRightAtZero, k.DBTmax, color);
  PieceC(c, 100.0f, kRightAtSat, k.DBTmax, color);
  PieceS(c, {kRightAtZero, k.AHmin}, {kRightAtSat, SatAH(c, kRightAtSat)}, color);
}

void DrawZoneTCT(BioChart& c) {
  outlinePen(c);
  const int16_t color = needColor(2);
  PieceV(c, kHeatLimit, kZoneAHLow, RH80AH(c, kHeatLimit), color);
  // The right line is mapped first: a failed end stops the outline.
  const float x1 = c.chart.GetX_DBT(kRightAtRH80.dbt, c.sink);
  const float y1 = c.chart.GetY_AH(kRightAtRH80.ah, c.sink);
  const float x2 = c.chart.GetX_DBT(kRightAtAHLow.dbt, c.sink);
  const float y2 = c.chart.GetY_AH(kRightAtAHLow.ah, c.sink);
  if (x1 == -1.0f || y1 == -1.0f || x2 == -1.0f || y2 == -1.0f) {
    c.sink.show(ComfortRightLineMessage());
    return;
  }
  c.drawing.line(x1, y1, x2, y2, Color::palette(color));
  PieceC(c, 80.0f, kHeatLimit, kRightAtRH80.dbt, color);
  PieceH(c, kZoneAHLow, kHeatLimit, kRightAtAHLow.dbt, color);
}

void DrawZoneDH(BioChart& c) {
  outlinePen(c);
  const int16_t color = needColor(3);
  PieceV(c, kHeatLimit, RH80AH(c, kHeatLimit), SatAH(c, kHeatLimit), color);
  PieceS(c, kRightAtRH80, {kRightAtSat, SatAH(c, kRightAtSat)}, color);
  PieceC(c, 100.0f, kHeatLimit, kRightAtSat, color);
  PieceC(c, 80.0f, kHeatLimit, kRightAtRH80.dbt, color);
}

void DrawZoneHU(BioChart& c) {
  outlinePen(c);
  const PsychroChart& k = c.chart;
  const int16_t color = needColor(4);
  PieceV(c, kHeatLimit, k.AHmin, kZoneAHLow, color);
  PieceS(c, {kRightAtZero, k.AHmin}, kRightAtAHLow, color);
  PieceH(c, kZoneAHLow, kHeatLimit, kRightAtAHLow.dbt, color);
  PieceH(c, k.AHmin, kHeatLimit, kRightAtZero, color);
}

void DrawZoneRC(BioChart& c) {
  outlinePen(c);
  const PsychroChart& k = c.chart;
  const int16_t color = guideColor(0);
  PieceHeat(c, color);
  PieceS(c, kRightAtAHLow, {kRightAtSat, SatAH(c, kRightAtSat)}, color);
  PieceC(c, 100.0f, kRightAtSat, k.DBTmax, color);
  PieceV(c, k.DBTmax, k.AHmin, k.AHmax, color);
  PieceH(c, k.AHmin, kZoneDBT104_5F, k.DBTmax, color);
  hotDryCorner(c, color);
  PieceV(c, kZoneDBT89_5F, RH20AH(c, kZoneDBT89_5F), kZoneAHHigh, color);
  PieceC(c, 20.0f, kRightAtAHLow.dbt, kZoneDBT89_5F, color);
}

void DrawZoneRI(BioChart& c) {
  outlinePen(c);
  const PsychroChart& k = c.chart;
  const int16_t color = guideColor(1);
  PieceHeat(c, color);
  PieceC(c, 100.0f, kSVAtSat, k.DBTmax, color);
  PieceV(c, k.DBTmax, k.AHmin, k.AHmax, color);
  PieceH(c, k.AHmin, kZoneDBT104_5F, k.DBTmax, color);
  hotDryCorner(c, color);
  PieceV(c, kZoneDBT89_5F, kZoneAHHigh, kSVAt89F.ah, color);
  PieceS(c, kSVAt89F, {kSVAtSat, SatAH(c, kSVAtSat)}, color);
}

void DrawZonePSG(BioChart& c) {
  outlinePen(c);
  PieceHeat(c, guideColor(2));
}

void DrawZoneRSG(BioChart& c) {
  outlinePen(c);
  const PsychroChart& k = c.chart;
  const int16_t color = guideColor(3);
  PieceV(c, kHeatLimit, k.AHmin, SatAH(c, kHeatLimit), color);
  PieceV(c, k.DBTmax, k.AHmin, k.AHmax, color);
  PieceH(c, k.AHmin, kHeatLimit, k.DBTmax, color);
  PieceC(c, 100.0f, kHeatLimit, k.DBTmax, color);
}

void DrawZonePV(BioChart& c) {
  outlinePen(c);
  const int16_t color = guideColor(4);
  const float dry = kRightAtAHLow.dbt;
  PieceS(c, {dry, RH20AH(c, dry)}, {kRightAtRH80.dbt, RH80AH(c, kRightAtRH80.dbt)}, color);
  PieceC(c, 80.0f, kRightAtRH80.dbt, kSVAtRH80, color);
  PieceS(c, {kSVAtRH80, RH80AH(c, kSVAtRH80)}, kSVAt89F, color);
  PieceV(c, kZoneDBT89_5F, RH20AH(c, kZoneDBT89_5F), kSVAt89F.ah, color);
  PieceC(c, 20.0f, dry, kZoneDBT89_5F, color);
}

void DrawZonePEC(BioChart& c) {
  outlinePen(c);
  const PsychroChart& k = c.chart;
  const int16_t color = guideColor(5);
  const float w0 = WetBulbAH(c, kWBT51AtAHLow, kZoneWBT51_5F);
  const ChartPoint hot{kZoneDBT104_5F, WetBulbAH(c, kZoneDBT104_5F, kZoneWBT71_5F)};
  PieceS(c, {kWBT51AtAHLow, w0}, {kRightAtAHLow.dbt, w0}, color);
  PieceS(c, {kRightAtAHLow.dbt, w0}, {kRightAtAHHigh, kZoneAHHigh}, color);
  PieceH(c, kZoneAHHigh, kRightAtAHHigh, kWBT71AtAHHigh, color);
  PieceS(c, {kWBT71AtAHHigh, kZoneAHHigh}, hot, color);
  PieceV(c, kZoneDBT104_5F, k.AHmin, hot.ah, color);
  PieceH(c, k.AHmin, kRightAtZero, kZoneDBT104_5F, color);
  PieceS(c, {kRightAtZero, k.AHmin}, kRightAtWBT51, color);
  PieceS(c, kRightAtWBT51, {kWBT51AtAHLow, w0}, color);
}

void DrawZonePRC(BioChart& c) {
  outlinePen(c);
  const int16_t color = guideColor(6);
  PieceH(c, kZoneAHHigh, kRightAtAHHigh, kZoneDBT89_5F, color);
  PieceS(c, {kZoneDBT89_5F, kZoneAHHigh}, {kRadiantFloorEnd, kZoneAHLow}, color);
  PieceH(c, kZoneAHLow, kRightAtAHLow.dbt, kRadiantFloorEnd, color);
  PieceS(c, kRightAtAHLow, {kRightAtAHHigh, kZoneAHHigh}, color);
}

void DrawZoneMC(BioChart& c) {
  outlinePen(c);
  const PsychroChart& k = c.chart;
  const int16_t color = guideColor(7);
  PieceH(c, kZoneAHHigh, kZoneDBT89_5F, k.DBTmax, color);
  PieceV(c, k.DBTmax, k.AHmin, kZoneAHHigh, color);
  PieceH(c, k.AHmin, kZoneDBT104_5F, k.DBTmax, color);
  hotDryCorner(c, color);
}

void DrawZoneMCD(BioChart& c) {
  outlinePen(c);
  const PsychroChart& k = c.chart;
  const int16_t color = guideColor(8);
  PieceC(c, 100.0f, kRightAtSat, k.DBTmax, color);
  PieceV(c, k.DBTmax, kZoneAHHigh, k.AHmax, color);
  PieceH(c, kZoneAHHigh, kZoneDBT89_5F, k.DBTmax, color);
  PieceV(c, kZoneDBT89_5F, kZoneAHHigh, kSVAt89F.ah, color);
  PieceS(c, kSVAt89F, {kSVAtRH80, RH80AH(c, kSVAtRH80)}, color);
  PieceC(c, 80.0f, kRightAtRH80.dbt, kSVAtRH80, color);
  PieceS(c, {kRightAtRH80.dbt, RH80AH(c, kRightAtRH80.dbt)}, {kRightAtSat, SatAH(c, kRightAtSat)},
         color);
}

namespace {

using Outline = void (*)(BioChart&);

template <std::size_t N>
void drawTicked(BioChart& c, const std::array<Outline, N>& outlines,
                const std::array<bool, N>& ticked, std::array<ZoneItems, N>* items) {
  for (std::size_t i = 0; i < N; ++i) {
    const std::size_t first = c.drawing.items().size();
    if (ticked[i]) outlines[i](c);
    if (items != nullptr) (*items)[i] = ZoneItems{first, c.drawing.items().size()};
  }
}

}  // namespace

void DrawNeedZones(BioChart& c, const std::array<bool, 5>& ticked,
                   std::array<ZoneItems, 5>* items) {
  static constexpr std::array<Outline, 5> kOutlines{DrawZoneTH, DrawZoneTC, DrawZoneTCT, DrawZoneDH,
                                                    DrawZoneHU};
  drawTicked(c, kOutlines, ticked, items);
}

void DrawGuideZones(BioChart& c, const std::array<bool, 9>& ticked,
                    std::array<ZoneItems, 9>* items) {
  static constexpr std::array<Outline, 9> kOutlines{DrawZoneRC,  DrawZoneRI, DrawZonePSG,
                                                    DrawZoneRSG, DrawZonePV, DrawZonePEC,
                                                    DrawZonePRC, DrawZoneMC, DrawZoneMCD};
  drawTicked(c, kOutlines, ticked, items);
}

}  // namespace vlm
