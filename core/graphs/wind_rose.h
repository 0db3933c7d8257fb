// The 16-point wind rose: its geometry on the picture, the periods it can show,
// the counts of a period and the drawing of rings, spokes and bars.
//
// The picture's user scale has (0, 0) at the lower left and (W, H) at the upper
// right. Direction class k (1 … 16, NNE clockwise to N) lies on the spoke at the
// mathematical angle θk = (4 − k)·22.5° from east; class 17 is calm, 18 missing.
// A bar's length is the class's share of the valid hours, 10 % to a ring step,
// so 50 % reaches the outer circle.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/climate/climate_data.h"
#include "core/draw/drawing.h"
#include "core/draw/legend.h"

namespace vlm {

inline constexpr int16_t kRoseDirections = 16;
inline constexpr int16_t kRoseCalmClass = 17;
inline constexpr int16_t kRoseMissingClass = 18;
inline constexpr int16_t kRoseRings = 5;

struct RosePoint {
  float x = 0, y = 0;
  bool operator==(const RosePoint&) const = default;
};

struct RoseGeometry {
  float width = 0, height = 0;
  float cx = 0, cy = 0;
  float R = 0;   // outer radius, H/10 × 4
  float r0 = 0;  // calm circle, H/10 × 0.75
  float s = 0;   // ring step, (R − r0)/5

  // Fixed once for a picture of drawable size width × height.
  [[nodiscard]] static RoseGeometry ForPicture(float width, float height);
  [[nodiscard]] UserScale scale() const { return UserScale{0, width, 0, height}; }
  // Ring i (1 … 5) at r0 + i·s, the fifth being R; ring 0 is the calm circle.
  [[nodiscard]] float ringRadius(int16_t i) const;
  // The point at distance d from the centre along the spoke of class k.
  [[nodiscard]] RosePoint along(int16_t k, float d) const;
};

// θk in degrees, counter-clockwise from east.
[[nodiscard]] double RoseAngleDeg(int16_t k);

enum class RosePeriodKind { Month, Season, Year };

// A period the rose can show: a month (index 1 … 12), a season (1 spring …
// 4 winter, as the season list orders them) or the year.
struct RosePeriod {
  RosePeriodKind kind = RosePeriodKind::Year;
  int16_t index = 0;

  [[nodiscard]] static RosePeriod Month(int16_t month) { return {RosePeriodKind::Month, month}; }
  [[nodiscard]] static RosePeriod Season(int16_t season) {
    return {RosePeriodKind::Season, season};
  }
  [[nodiscard]] static RosePeriod Year() { return {RosePeriodKind::Year, 0}; }
  // Its row of WindDirCount: 1 … 12, 13 spring … 16 winter, 17 the year.
  [[nodiscard]] int16_t row() const;
  bool operator==(const RosePeriod&) const = default;
};

// The items of the two lists, in list order.
inline constexpr std::array<std::string_view, 12> kRoseMonthItems = {
    "1월", "2월", "3월", "4월", "5월", "6월", "7월", "8월", "9월", "10월", "11월", "12월"};
inline constexpr std::array<std::string_view, 4> kRoseSeasonItems = {"봄", "여름", "가을", "겨울"};

// Hours of a WindDirCount row (1 … 17): the calendar month's, 2208 for spring and
// summer, 2184 for autumn, 2160 for winter, 8760 for the year.
[[nodiscard]] int16_t RosePeriodHours(int16_t row);

// "지역  년간 풍향" has two spaces: the year's text follows " 지역 " with its own
// leading space, as the month and season titles follow it with the list item.
[[nodiscard]] std::string RoseTitle(std::string_view regionName, RosePeriod period);

// The 18 counts of a period as single-precision numbers (c[1] … c[18]) and the
// half-base B = 0.5 × (hours − c18), half the number of valid hours.
struct RoseCounts {
  std::array<float, 19> c{};  // c[0] unused
  float hours = 0;
  float B = 0;

  [[nodiscard]] static RoseCounts Of(const WindDirTable& table, RosePeriod period);
  // False when the period has no valid hour (B is zero): no share can be taken.
  [[nodiscard]] bool hasValidHours() const { return B > 0; }
};

// Rings and spokes in dotted red, then one solid bar of width 2 per direction
// from the calm circle outwards, L = ck / B × (R − r0), not clipped at R. A
// direction without hours draws no bar. The counts must have valid hours.
[[nodiscard]] Drawing RoseDrawing(const RoseGeometry& g, const RoseCounts& counts);

// The rose's key for a figure that leaves the program: the bars, the rings and
// the calm circle.
inline constexpr const char* kRoseLegendBars = "막대: 풍향별 출현 비율";
inline constexpr const char* kRoseLegendRings = "점선 원: 비율 눈금, 한 칸 10%";
inline constexpr const char* kRoseLegendCalm = "가운데 원: 무풍";
[[nodiscard]] Legend RoseLegend();

}  // namespace vlm
