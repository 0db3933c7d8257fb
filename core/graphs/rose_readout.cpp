#include "core/graphs/rose_readout.h"

#include <cmath>

#include "core/graphs/rose_labels.h"

namespace vlm {
namespace {

constexpr double kPi = 3.14159265358979323846;

}  // namespace

int RoseDirectionAt(const RoseGeometry& g, float x, float y) {
  const double dx = static_cast<double>(x) - g.cx;
  const double dy = static_cast<double>(y) - g.cy;
  const double r = std::hypot(dx, dy);
  if (!(g.R > 0) || r > static_cast<double>(g.R) + g.s) return -1;
  if (r < g.r0) return 0;
  // θk = (4 − k)·22.5°: the nearest spoke's class, wrapped into 1 … 16.
  const double theta = std::atan2(dy, dx) * 180.0 / kPi;
  const long step = std::lround(theta / 22.5);
  long k = (4 - step) % kRoseDirections;
  if (k <= 0) k += kRoseDirections;
  return static_cast<int>(k);
}

std::string RoseReadout(const RoseGeometry& g, const RoseCounts& counts, float x, float y) {
  const int label = RoseDirectionAt(g, x, y);
  if (label < 0 || !counts.hasValidHours()) return {};
  const float n = counts.c[static_cast<std::size_t>(label == 0 ? kRoseCalmClass : label)];
  return RoseDirectionName(static_cast<std::size_t>(label)) + ": " +
         std::to_string(static_cast<long>(n)) + "시간, " + RoseShareText(n, counts.B) + "%";
}

}  // namespace vlm
