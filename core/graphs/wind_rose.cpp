#include "core/graphs/wind_rose.h"

#include <cmath>
#include <stdexcept>

#include "core/common/compute_error.h"

namespace vlm {
namespace {

constexpr double kPi = 3.14159265358979323846;

constexpr std::array<int16_t, 18> kPeriodHours = {0,    744,  672,  744,  720, 744, 720,
                                                  744,  744,  720,  744,  720, 744,  // months
                                                  2208, 2208, 2184, 2160, 8760};

const Color kFrameColor = Color::rgb(255, 0, 0);
// The picture's foreground colour.
const Color kBarColor = Color::palette(0);

// cos and sin of θk, exact on the four axes so that N, E, S and W stay on the
// centre lines of the picture.
struct Direction {
  double cos, sin;
};

Direction directionOf(int16_t k) {
  const int quarter = ((4 - k) % 16 + 16) % 16;  // multiples of 22.5° in 0 … 15
  switch (quarter) {
    case 0:
      return {1, 0};
    case 4:
      return {0, 1};
    case 8:
      return {-1, 0};
    case 12:
      return {0, -1};
    default:
      break;
  }
  const double rad = quarter * 22.5 * kPi / 180.0;
  return {std::cos(rad), std::sin(rad)};
}

void checkClass(int16_t k) {
  if (k < 1 || k > kRoseDirections) throw std::out_of_range("wind direction class out of range");
}

}  // namespace

RoseGeometry RoseGeometry::ForPicture(float width, float height) {
  RoseGeometry g;
  g.width = width;
  g.height = height;
  g.cx = width / 2;
  g.cy = height / 2;
  g.R = static_cast<float>(height / 10.0 * 4);
  g.r0 = static_cast<float>(height / 10.0 * 0.75);
  g.s = static_cast<float>((static_cast<double>(g.R) - g.r0) / 5);
  return g;
}

float RoseGeometry::ringRadius(int16_t i) const {
  if (i >= kRoseRings) return R;
  return static_cast<float>(r0 + static_cast<double>(i) * s);
}

RosePoint RoseGeometry::along(int16_t k, float d) const {
  checkClass(k);
  const Direction dir = directionOf(k);
  return RosePoint{static_cast<float>(cx + d * dir.cos), static_cast<float>(cy + d * dir.sin)};
}

double RoseAngleDeg(int16_t k) { return (4 - k) * 22.5; }

int16_t RosePeriod::row() const {
  switch (kind) {
    case RosePeriodKind::Month:
      if (index < 1 || index > 12) throw std::out_of_range("month out of range");
      return index;
    case RosePeriodKind::Season:
      if (index < 1 || index > 4) throw std::out_of_range("season out of range");
      return static_cast<int16_t>(12 + index);
    case RosePeriodKind::Year:
      break;
  }
  return 17;
}

int16_t RosePeriodHours(int16_t row) {
  if (row < 1 || row > 17) throw std::out_of_range("wind period out of range");
  return kPeriodHours[static_cast<std::size_t>(row)];
}

std::string RoseTitle(std::string_view regionName, RosePeriod period) {
  std::string title = std::string(regionName) + " 지역 ";
  switch (period.kind) {
    case RosePeriodKind::Month:
      return title + std::string(kRoseMonthItems.at(static_cast<std::size_t>(period.index - 1))) +
             " 풍향";
    case RosePeriodKind::Season:
      return title + std::string(kRoseSeasonItems.at(static_cast<std::size_t>(period.index - 1))) +
             " 풍향";
    case RosePeriodKind::Year:
      break;
  }
  return title + " 년간 풍향";
}

RoseCounts RoseCounts::Of(const WindDirTable& table, RosePeriod period) {
  const int16_t row = period.row();
  RoseCounts counts;
  for (std::size_t k = 1; k <= kRoseMissingClass; ++k) {
    counts.c[k] = static_cast<float>(table[static_cast<std::size_t>(row)][k]);
  }
  counts.hours = static_cast<float>(RosePeriodHours(row));
  counts.B = static_cast<float>(0.5 * (static_cast<double>(counts.hours) - counts.c[18]));
  return counts;
}

Drawing RoseDrawing(const RoseGeometry& g, const RoseCounts& counts) {
  Drawing drawing(g.scale());
  drawing.setDash(DashStyle::Dot);
  drawing.setPenWidth(1);
  for (int16_t i = 0; i <= kRoseRings; ++i)
    drawing.circle(g.cx, g.cy, g.ringRadius(i), kFrameColor);
  for (int16_t k = 1; k <= kRoseDirections; ++k) {
    const RosePoint inner = g.along(k, g.r0);
    const RosePoint outer = g.along(k, g.R);
    drawing.line(inner.x, inner.y, outer.x, outer.y, kFrameColor);
  }

  drawing.setDash(DashStyle::Solid);
  drawing.setPenWidth(2);
  const double span = static_cast<double>(g.R) - g.r0;
  for (int16_t k = 1; k <= kRoseDirections; ++k) {
    const auto length = static_cast<float>(
        checkedDivide(counts.c[static_cast<std::size_t>(k)], counts.B, "RoseDrawing") * span);
    const RosePoint p = g.along(k, g.r0);
    // The bar's end measured from the centre, so that a share of exactly 50 %
    // ends on the outer circle's own spoke end.
    const RosePoint q = g.along(k, static_cast<float>(static_cast<double>(g.r0) + length));
    if (q != p) drawing.line(p.x, p.y, q.x, q.y, kBarColor);
  }
  drawing.setDash(DashStyle::Solid);
  drawing.setPenWidth(1);
  return drawing;
}

Legend RoseLegend() {
  Legend legend;
  legend.add(LegendMark::Line, kBarColor, kRoseLegendBars);
  legend.add(LegendMark::Line, kFrameColor, kRoseLegendRings, DashStyle::Dot);
  legend.add(LegendMark::Dot, kFrameColor, kRoseLegendCalm);
  return legend;
}

}  // namespace vlm
