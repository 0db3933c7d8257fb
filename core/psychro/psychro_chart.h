// The coordinate system of the building bioclimatic chart: dry-bulb temperature
// across, absolute humidity up, with 10 % margins around the plot area, and the
// month colours of the plotted hours.
//
// One PsychroChart value holds the chart variables; SetChartScale fills them
// before every drawing and the zone classification reads the ranges from it.
#pragma once

#include <cstdint>

#include "core/draw/drawing.h"

namespace vlm {

class MessageSink;
class Psychrometrics;

// Mode 0 puts Patm at the standard sea-level pressure (SetPatm_Alt(0),
// 101.325 kPa) and returns 1. No other mode is defined: it leaves Patm as it
// is and returns 0.
int16_t SetPatm(int16_t mode, Psychrometrics& psychro);

class PsychroChart {
 public:
  // Drawable size of the chart picture when the scale was last set.
  float ChartW = 0.0f;
  float ChartH = 0.0f;
  float MarginL = 0.0f;
  float MarginR = 0.0f;
  float MarginT = 0.0f;
  float MarginB = 0.0f;
  float PlotW = 0.0f;
  float PlotH = 0.0f;
  // Chart ranges: °C and kg/kg'.
  float DBTmin = -20.0f;
  float DBTmax = 50.0f;
  float AHmin = 0.0f;
  float AHmax = 0.03f;
  // User units per °C and per kg/kg'.
  float ScaleX_DBT = 0.0f;
  float ScaleY_AH = 0.0f;

  // Sets every chart variable from the picture's drawable width and height and
  // returns the user scale for the chart's Drawing: the plot area runs from
  // (0, 0) at (DBTmin, AHmin) to (PlotW, PlotH) at (DBTmax, AHmax).
  UserScale SetChartScale(float width, float height);
  // The user scale of the current variables (left −MarginL, right
  // PlotW + MarginR, bottom −MarginB, top PlotH + MarginT).
  [[nodiscard]] UserScale userScale() const;

  // Horizontal coordinate of dry-bulb t; outside [DBTmin, DBTmax] reports the
  // range message to the sink and returns −1.
  float GetX_DBT(float t, MessageSink& sink) const;
  // Vertical coordinate of absolute humidity w; outside [AHmin, AHmax] reports
  // the range message and returns −1.
  float GetY_AH(float w, MessageSink& sink) const;

  // A vertical segment at dry-bulb t from humidity w1 to w2, palette colour c.
  // The line procedures draw with whatever coordinates the mappings return.
  void DrawLine_DBT(Drawing& drawing, float t, float w1, float w2, int16_t color,
                    MessageSink& sink) const;
  // A horizontal segment at humidity w from dry-bulb t1 to t2.
  void DrawLine_AH(Drawing& drawing, float w, float t1, float t2, int16_t color,
                   MessageSink& sink) const;
  // One straight piece of the constant-RH curve between dry-bulbs t1 and t2;
  // humidities above AHmax are held at AHmax. Throws ComputeError from the
  // property functions.
  void DrawLine_RH(Drawing& drawing, const Psychrometrics& psychro, float rh, float t1, float t2,
                   int16_t color, MessageSink& sink) const;

  // Palette index of the month containing hour 1 … 8760 of a non-leap year, or −1.
  [[nodiscard]] static int16_t GetColor_Hour(int16_t hourOfYear);
  // Palette index of month 1 … 12 (1, 9, 2, 10, 3, 11, 4, 12, 5, 13, 6, 14), or −1.
  [[nodiscard]] static int16_t GetColor_Month(int16_t month);
};

}  // namespace vlm
