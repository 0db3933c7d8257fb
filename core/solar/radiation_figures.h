// The figures of the solar radiation analysis as Drawings: the radiation rose
// (the year's, the wanted and the unwanted irradiation of the 36 orientations
// on a polar plot, north up) and the monthly chart of the mean daily
// irradiation on the horizontal and the four main orientations; and what the
// pointer reads on the rose.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/draw/drawing.h"
#include "core/solar/radiation_year.h"

namespace vlm {

// "남", "동", "서", "북", or the bearing from south or north towards east or
// west: azimuth 20 is "남20°서", −100 is "북80°동".
[[nodiscard]] std::string OrientationName(int azimuth);

// The rose's radial scale: a ring every `step` kWh/m², `rings` of them, the
// outermost at radius 1 of the figure's user coordinates.
struct RadiationRoseScale {
  float step = 1;
  int rings = 1;
  [[nodiscard]] float outer() const { return step * static_cast<float>(rings); }
};

[[nodiscard]] RadiationRoseScale RoseScaleFor(const RadiationYear& result);

// The point of the rose at `value` kWh/m² on the orientation of `azimuth`.
struct RadiationRosePoint {
  float x = 0, y = 0;
};
[[nodiscard]] RadiationRosePoint RoseValuePoint(const RadiationRoseScale& scale, double azimuth,
                                                float value);

// Which totals the rose draws: all three, or one of them alone.
enum class RoseSeries { All, Year, Wanted, Unwanted };

// The rose, titled after the region, with its legend and, under it, the
// orientations that receive the most wanted and the most unwanted sun.
[[nodiscard]] Drawing RadiationRoseDrawing(const RadiationYear& result, std::string_view regionName,
                                           RoseSeries series = RoseSeries::All);

// The orientation under (x, y) in the rose's user coordinates and its three
// totals; nothing off the rose (beyond a tenth past its outer ring).
struct RadiationRoseReading {
  int azimuth = 0;
  float year = 0, wanted = 0, unwanted = 0;
};
[[nodiscard]] std::optional<RadiationRoseReading> RadiationRoseReadingAt(
    const RadiationYear& result, float x, float y);
// "남20°서: 연간 812.3, 태양열획득 210.4, 태양열차단 301.2 kWh/m²", or "" off the rose.
[[nodiscard]] std::string RadiationRoseReadout(const RadiationYear& result, float x, float y);

// The monthly chart: five series of mean daily irradiation with a legend.
[[nodiscard]] Drawing RadiationMonthlyDrawing(const RadiationYear& result,
                                              std::string_view regionName);

}  // namespace vlm
