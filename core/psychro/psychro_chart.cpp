#include "core/psychro/psychro_chart.h"

#include <array>
#include <string>

#include "core/common/format.h"
#include "core/common/message.h"
#include "core/psychro/psychrometrics.h"

namespace vlm {
namespace {

// Last hour of each month of a non-leap year.
constexpr std::array<int16_t, 12> kMonthEndHour{744,  1416, 2160, 2880, 3624, 4344,
                                                5088, 5832, 6552, 7296, 8016, 8760};
// Dark and light shades alternate: blue, green, cyan, red, magenta, yellow.
constexpr std::array<int16_t, 12> kMonthColor{1, 9, 2, 10, 3, 11, 4, 12, 5, 13, 6, 14};

Message rangeMessage(const char* problem, float value, float low, const char* quantity,
                     float high, const char* where) {
  return errorMessage({problem,
                       "인자값 :" + Str(value) + "[" + Str(low) + quantity + Str(high) + "]",
                       std::string("에러장소 : ") + where});
}

}  // namespace

int16_t SetPatm(int16_t mode, Psychrometrics& psychro) {
  if (mode != 0) return 0;
  psychro.SetPatm_Alt(0.0f);
  return 1;
}

UserScale PsychroChart::SetChartScale(float width, float height) {
  ChartW = width;
  ChartH = height;
  DBTmax = 50.0f;
  DBTmin = -20.0f;
  AHmax = 0.03f;
  AHmin = 0.0f;
  MarginL = static_cast<float>(ChartW / 10.0);
  PlotW = static_cast<float>(ChartW / 10.0 * 8.0);
  MarginR = static_cast<float>(ChartW / 10.0);
  MarginT = static_cast<float>(ChartH / 10.0);
  PlotH = static_cast<float>(ChartH / 10.0 * 8.0);
  MarginB = static_cast<float>(ChartH / 10.0);
  ScaleX_DBT = static_cast<float>(PlotW / (static_cast<double>(DBTmax) - DBTmin));
  ScaleY_AH = static_cast<float>(PlotH / (static_cast<double>(AHmax) - AHmin));
  return userScale();
}

UserScale PsychroChart::userScale() const {
  return UserScale{-MarginL, PlotW + MarginR, -MarginB, PlotH + MarginT};
}

float PsychroChart::GetX_DBT(float t, MessageSink& sink) const {
  if (DBTmin <= t && t <= DBTmax) {
    return static_cast<float>((static_cast<double>(t) - DBTmin) * ScaleX_DBT);
  }
  sink.show(rangeMessage("건구온도의 범위가 유효하지 않습니다.", t, DBTmin,
                         " <= 건구온도('C) <= ", DBTmax, "GetX_DBT"));
  return -1.0f;
}

float PsychroChart::GetY_AH(float w, MessageSink& sink) const {
  if (AHmin <= w && w <= AHmax) {
    return static_cast<float>((static_cast<double>(w) - AHmin) * ScaleY_AH);
  }
  sink.show(rangeMessage("절대습도의 범위가 유효하지 않습니다.", w, AHmin,
                         " <= 절대습도(kg/kg) <= ", AHmax, "GetY_AH"));
  return -1.0f;
}

void PsychroChart::DrawLine_DBT(Drawing& drawing, float t, float w1, float w2, int16_t color,
                                MessageSink& sink) const {
  const float x = GetX_DBT(t, sink);
  const float y1 = GetY_AH(w1, sink);
  const float y2 = GetY_AH(w2, sink);
  drawing.line(x, y1, x, y2, Color::palette(color));
}

void PsychroChart::DrawLine_AH(Drawing& drawing, float w, float t1, float t2, int16_t color,
                               MessageSink& sink) const {
  const float y = GetY_AH(w, sink);
  const float x1 = GetX_DBT(t1, sink);
  const float x2 = GetX_DBT(t2, sink);
  drawing.line(x1, y, x2, y, Color::palette(color));
}

// Near saturation the warm end of an RH curve leaves the chart at the top; it
// is held on the top edge while its temperature stays where it is.
void PsychroChart::DrawLine_RH(Drawing& drawing, const Psychrometrics& psychro, float rh,
                               float t1, float t2, int16_t color, MessageSink& sink) const {
  float w1 = psychro.GetAH_DBTRH(t1, rh);
  float w2 = psychro.GetAH_DBTRH(t2, rh);
  if (w1 > AHmax) w1 = AHmax;
  if (w2 > AHmax) w2 = AHmax;
  const float x1 = GetX_DBT(t1, sink);
  const float y1 = GetY_AH(w1, sink);
  const float x2 = GetX_DBT(t2, sink);
  const float y2 = GetY_AH(w2, sink);
  drawing.line(x1, y1, x2, y2, Color::palette(color));
}

int16_t PsychroChart::GetColor_Hour(int16_t hourOfYear) {
  if (hourOfYear < 1) return -1;
  for (std::size_t month = 0; month < kMonthEndHour.size(); ++month) {
    if (hourOfYear <= kMonthEndHour[month]) return kMonthColor[month];
  }
  return -1;
}

int16_t PsychroChart::GetColor_Month(int16_t month) {
  if (month < 1 || month > 12) return -1;
  return kMonthColor[static_cast<std::size_t>(month - 1)];
}

}  // namespace vlm
