// The wind of a chosen set of hours: how many hours come from each of the 16
// directions, split by speed class, how many are calm, and which direction
// prevails. An hour counts when it passes the filter and has wind data: a
// calm code, or a compass code with a speed. A compass hour slower than the
// first class edge counts as calm. Shares are percentages of the counted
// hours, calm included.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/climate/climate_data.h"
#include "core/seasonal/wind_filter.h"

namespace vlm {

class PsychroChart;

struct WindDirection {
  int hours = 0;
  std::vector<int> classHours;  // one per speed class
  double speedSum = 0;          // m/s over the direction's hours
  bool operator==(const WindDirection&) const = default;
};

struct WindCounts {
  std::vector<float> edges;
  int hours = 0;  // chosen hours with wind data
  int calm = 0;
  std::array<WindDirection, 16> directions{};  // NNE clockwise to N, as the rose's classes

  // In % of `hours`; 0 while there is none.
  [[nodiscard]] float share(int hoursOf) const;
  [[nodiscard]] float directionShare(std::size_t d) const { return share(directions[d].hours); }
  [[nodiscard]] float classShare(std::size_t d, std::size_t c) const {
    return share(directions[d].classHours[c]);
  }
  [[nodiscard]] float calmShare() const { return share(calm); }
  // m/s; nullopt for a direction without hours.
  [[nodiscard]] std::optional<float> meanSpeed(std::size_t d) const;
  // The direction with most hours (the first in compass order on a tie);
  // nullopt when every counted hour is calm or none is counted.
  [[nodiscard]] std::optional<std::size_t> prevailing() const;
};

// One pass over the year's months and hours.
[[nodiscard]] WindCounts CountWind(const ClimateData& climate, const WindFilter& filter,
                                   const std::vector<float>& edges, const PsychroChart& chart);

// The rose's scale: rings every `step` % out to rings × step, the smallest
// readable step (1, 2, 2.5, 5, 10, 20, 25 or 50 %) that reaches the largest
// direction's share with at most five rings.
struct WindRoseScale {
  float step = 5;
  int rings = 1;
  [[nodiscard]] float outer() const { return step * static_cast<float>(rings); }
  bool operator==(const WindRoseScale&) const = default;
};
[[nodiscard]] WindRoseScale ScaleForShare(float largestShare);

// The prevailing direction in words: "주풍향 : 서북서 (12.3%, 평균풍속 3.4 m/s)",
// or that there is none.
[[nodiscard]] std::string PrevailingText(const WindCounts& counts);

// The table of direction × class: the heading row, then a row per direction,
// calm and the total, each [name, class shares…, share, mean speed], "#0.0".
[[nodiscard]] std::vector<std::vector<std::string>> WindTableRows(const WindCounts& counts);

// The line an empty rose shows instead of sectors.
inline constexpr std::string_view kNoWindHoursText =
    "선택한 조건에 해당하며 바람 데이터가 있는 시간이 없습니다.";

}  // namespace vlm
