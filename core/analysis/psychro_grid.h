// The psychrometric grid of the bioclimatic chart: dry-bulb lines every 2 °C up
// to saturation, humidity lines every 0.002 kg/kg' from their dew point, and the
// 20 … 100 % relative-humidity curves.
#pragma once

#include "core/analysis/bio_chart.h"
#include "core/common/message.h"

namespace vlm {

// The refusal of a grid whose humidity range starts below zero.
[[nodiscard]] Message NegativeAHminMessage(float ahMin);

// Draws the grid in black with a thin pen. With a negative AHmin it reports
// NegativeAHminMessage after the dry-bulb lines and returns false.
bool DrawPsychroGrid(BioChart& c);

}  // namespace vlm
