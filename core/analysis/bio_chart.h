// What every part of the building bioclimatic chart draws with: the Drawing of
// the chart picture, the chart mapping set by SetChartScale, the moist-air
// functions at the chart's pressure and the sink for the mapping messages.
//
// The pieces below are the vocabulary of the outlines: a constant dry-bulb
// segment V, a constant humidity segment H, a relative-humidity curve C built
// of 0.1 °C chords, and a straight line S between two chart points.
#pragma once

#include <cstdint>

#include "core/draw/drawing.h"

namespace vlm {

class MessageSink;
class Psychrometrics;
class PsychroChart;

// The picture's own unit: a pixel of the screen picture is 15 of them, so the
// point radius and marker lengths keep their size relative to the picture at
// any window size.
inline constexpr float kChartUnitsPerPixel = 15.0f;
// Radius of a plotted hour, day or month point, in chart units.
inline constexpr float kPointRadius = 30.0f;
// Pen widths: grid, data and axis marks are thin, zone outlines are doubled.
inline constexpr float kThinPen = 1.0f;
inline constexpr float kOutlinePen = 2.0f;

struct BioChart {
  Drawing& drawing;
  const PsychroChart& chart;
  const Psychrometrics& psychro;
  MessageSink& sink;
};

// A chart point: dry-bulb °C and absolute humidity kg/kg'.
struct ChartPoint {
  float dbt;
  float ah;
};

// Saturation, 80 % and 20 % humidity and the humidity on a wet-bulb line, at
// the chart's pressure.
[[nodiscard]] float SatAH(const BioChart& c, float t);
[[nodiscard]] float RH80AH(const BioChart& c, float t);
[[nodiscard]] float RH20AH(const BioChart& c, float t);
[[nodiscard]] float WetBulbAH(const BioChart& c, float t, float twb);

// V(t; w1→w2), H(w; t1→t2), C(r; t1→t2) and S(P1, P2) in palette colour `color`.
void PieceV(BioChart& c, float t, float w1, float w2, int16_t color);
void PieceH(BioChart& c, float w, float t1, float t2, int16_t color);
void PieceC(BioChart& c, float rh, float t1, float t2, int16_t color);
void PieceS(BioChart& c, ChartPoint p1, ChartPoint p2, int16_t color);
// The heating region: both dry-bulb sides, the base and the saturation curve
// from the chart's cold edge to the heating limit.
void PieceHeat(BioChart& c, int16_t color);

}  // namespace vlm
