#include "core/analysis/bio_chart.h"

#include "core/analysis/zone.h"
#include "core/psychro/psychro_chart.h"
#include "core/psychro/psychrometrics.h"

namespace vlm {

float SatAH(const BioChart& c, float t) { return c.psychro.GetAH_DBTRH(t, 100.0f); }
float RH80AH(const BioChart& c, float t) { return c.psychro.GetAH_DBTRH(t, 80.0f); }
float RH20AH(const BioChart& c, float t) { return c.psychro.GetAH_DBTRH(t, 20.0f); }
float WetBulbAH(const BioChart& c, float t, float twb) { return c.psychro.GetAH_DBTWBT(t, twb); }

void PieceV(BioChart& c, float t, float w1, float w2, int16_t color) {
  c.chart.DrawLine_DBT(c.drawing, t, w1, w2, color, c.sink);
}

void PieceH(BioChart& c, float w, float t1, float t2, int16_t color) {
  c.chart.DrawLine_AH(c.drawing, w, t1, t2, color, c.sink);
}

// The curve is a chain of 0.1 °C chords whose start temperature is summed in
// single precision, so the last chord ends near t2 rather than on it.
void PieceC(BioChart& c, float rh, float t1, float t2, int16_t color) {
  constexpr float kStep = 0.1f;
  const auto last = static_cast<float>(static_cast<double>(t2) - 0.1);
  for (float t = t1; t <= last; t += kStep) {
    const auto next = static_cast<float>(static_cast<double>(t) + 0.1);
    c.chart.DrawLine_RH(c.drawing, c.psychro, rh, t, next, color, c.sink);
  }
}

void PieceS(BioChart& c, ChartPoint p1, ChartPoint p2, int16_t color) {
  const float x1 = c.chart.GetX_DBT(p1.dbt, c.sink);
  const float y1 = c.chart.GetY_AH(p1.ah, c.sink);
  const float x2 = c.chart.GetX_DBT(p2.dbt, c.sink);
  const float y2 = c.chart.GetY_AH(p2.ah, c.sink);
  c.drawing.line(x1, y1, x2, y2, Color::palette(color));
}

void PieceHeat(BioChart& c, int16_t color) {
  const PsychroChart& k = c.chart;
  PieceV(c, k.DBTmin, k.AHmin, SatAH(c, k.DBTmin), color);
  PieceV(c, kZoneDBT67_5F, k.AHmin, SatAH(c, kZoneDBT67_5F), color);
  PieceH(c, k.AHmin, k.DBTmin, kZoneDBT67_5F, color);
  PieceC(c, 100.0f, k.DBTmin, kZoneDBT67_5F, color);
}

}  // namespace vlm
