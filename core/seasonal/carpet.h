// The hour-by-day carpet of the loaded year: one cell per hour, the 365 days
// across and the 24 hours of the day down (0 h at the top), each cell coloured
// by the hour's need zone or by its dry-bulb temperature, with month ticks,
// hour labels, the legend and a title.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/climate/climate_data.h"
#include "core/draw/drawing.h"
#include "core/draw/palette.h"

namespace vlm {

class PsychroChart;

enum class CarpetColouring { Zone, DryBulb };

// The plot area in user units: day d (1 … 365) spans x = d − 1 … d, hour of
// the day k (0 … 23) spans y = 23 − k … 24 − k.
inline constexpr float kCarpetDays = 365.0f;
inline constexpr float kCarpetHours = 24.0f;

struct CarpetCell {
  float x1, y1, x2, y2;
  bool operator==(const CarpetCell&) const = default;
};

// The cell of hour 1 … 8760 of the year.
[[nodiscard]] CarpetCell CarpetCellOf(int hourOfYear);

// Grey: the colour of a missing or unclassifiable hour and of one outside the chart.
inline constexpr Color kCarpetNoZoneColor = palette::kNeutral;

// The need zone's legend colour of a zone code, grey for a non-zone code.
[[nodiscard]] Color CarpetZoneColor(int16_t code);

// The dry-bulb scale runs from deep blue at −20 °C through pale tones near
// 10 °C to deep red at 40 °C; colder and warmer hours take the end colours.
inline constexpr float kCarpetColdest = -20.0f;
inline constexpr float kCarpetWarmest = 40.0f;
// The scale's colour of a dry-bulb temperature; grey for the marker 999.
[[nodiscard]] Color CarpetDryBulbColor(float dbt);

// The whole figure. Its first 8760 items are the cells in the order of the
// hours of the year; the frame, ticks, labels, legend and title follow.
[[nodiscard]] Drawing BuildCarpet(const ClimateData& climate, const PsychroChart& chart,
                                  CarpetColouring colouring);

}  // namespace vlm
