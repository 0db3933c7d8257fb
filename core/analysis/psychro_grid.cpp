#include "core/analysis/psychro_grid.h"

#include <string>

#include "core/common/format.h"
#include "core/psychro/psychro_chart.h"
#include "core/psychro/psychrometrics.h"

namespace vlm {
namespace {

constexpr int16_t kGridColor = 0;

// A humidity line starts where the air of that humidity saturates, or at the
// chart's cold edge when the dew point lies beyond it.
void humidityLine(BioChart& c, float w) {
  float t0 = c.psychro.GetDBT_AHRH(w, 100.0f);
  if (t0 < c.chart.DBTmin) t0 = c.chart.DBTmin;
  PieceH(c, w, t0, c.chart.DBTmax, kGridColor);
}

}  // namespace

Message NegativeAHminMessage(float ahMin) {
  return errorMessage({"현재의 절대습도 최소값(public AHmin) =" + Str(ahMin),
                       "[절대습도 최소값(public AHmin) should be >= 0]"});
}

bool DrawPsychroGrid(BioChart& c) {
  const PsychroChart& k = c.chart;
  c.drawing.setPenWidth(kThinPen);
  for (float t = k.DBTmin; t <= k.DBTmax; t += 2.0f) {
    PieceV(c, t, k.AHmin, Psychrometrics::MinOf(SatAH(c, t), k.AHmax), kGridColor);
  }

  constexpr float kHumidityStep = 0.002f;
  float first = k.AHmin;
  if (k.AHmin == 0.0f) {
    PieceH(c, k.AHmin, k.DBTmin, k.DBTmax, kGridColor);
    first = kHumidityStep;
  } else if (k.AHmin < 0.0f) {
    c.sink.show(NegativeAHminMessage(k.AHmin));
    return false;
  }
  for (float w = first; w <= k.AHmax; w += kHumidityStep) humidityLine(c, w);
  PieceH(c, k.AHmax, c.psychro.GetDBT_AHRH(k.AHmax, 100.0f), k.DBTmax, kGridColor);

  for (const float rh : {20.0f, 40.0f, 60.0f, 80.0f, 100.0f}) {
    PieceC(c, rh, k.DBTmin, k.DBTmax, kGridColor);
  }
  return true;
}

}  // namespace vlm
