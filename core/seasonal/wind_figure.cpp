#include "core/seasonal/wind_figure.h"

#include <algorithm>
#include <array>

#include "core/common/format.h"
#include "core/graphs/rose_labels.h"
#include "core/graphs/rose_readout.h"
#include "core/seasonal/figure_parts.h"
#include "core/seasonal/wind_classes.h"

namespace vlm {
namespace {

constexpr float kBarWidth = 9.0f;  // pixels
const Color kRingColor = Color::rgb(160, 160, 160);

void rings(Drawing& d, const RoseGeometry& g, const WindRoseScale& scale) {
  d.setDash(DashStyle::Dot);
  d.circle(g.cx, g.cy, g.r0, kRingColor);
  for (int i = 1; i <= scale.rings; ++i) {
    const float share = scale.step * static_cast<float>(i);
    const float r = WindShareRadius(g, scale, share);
    d.circle(g.cx, g.cy, r, kRingColor);
    // Inside its ring, so the outermost share keeps clear of the name of the east.
    figure::Label(d, g.cx + r - 2.0f, g.cy, ShortestText(share) + "%", HAlign::Right,
                  VAlign::Bottom);
  }
  const float outer = WindShareRadius(g, scale, scale.outer());
  for (int16_t k = 1; k <= kRoseDirections; ++k) {
    const RosePoint a = g.along(k, g.r0);
    const RosePoint b = g.along(k, outer);
    d.line(a.x, a.y, b.x, b.y, kRingColor);
  }
  d.setDash(DashStyle::Solid);
}

void names(Drawing& d, const RoseGeometry& g, const WindRoseScale& scale) {
  const float r = WindShareRadius(g, scale, scale.outer()) + g.s * 0.35f;
  for (int16_t k = 1; k <= kRoseDirections; ++k) {
    const RosePoint p = g.along(k, r);
    figure::Label(d, p.x, p.y, RoseDirectionName(static_cast<std::size_t>(k)), HAlign::Center,
                  VAlign::Middle);
  }
}

void bars(Drawing& d, const RoseGeometry& g, const WindCounts& counts, const WindRoseScale& scale) {
  d.setPenWidth(kBarWidth);
  for (std::size_t dir = 0; dir < counts.directions.size(); ++dir) {
    const auto k = static_cast<int16_t>(dir + 1);
    int below = 0;
    for (std::size_t c = 0; c < counts.edges.size(); ++c) {
      const int n = counts.directions[dir].classHours[c];
      if (n == 0) continue;
      const RosePoint a = g.along(k, WindShareRadius(g, scale, counts.share(below)));
      below += n;
      const RosePoint b = g.along(k, WindShareRadius(g, scale, counts.share(below)));
      d.line(a.x, a.y, b.x, b.y, WindClassColor(c));
    }
  }
  d.setPenWidth(1.0f);
}

// In the lower right corner, the calm caption lowest: the rows above it are
// short, and so stay clear of the name of the south-east.
void legend(Drawing& d, const RoseGeometry& g, const std::vector<float>& edges) {
  const float size = g.height * 0.025f;
  const float x = g.width - g.height * 0.27f;
  float y = g.height * 0.03f;
  figure::Label(d, x, y + size / 2, WindCalmCaption(edges), HAlign::Left, VAlign::Middle);
  for (std::size_t c = edges.size(); c-- > 0;) {
    y += size * 1.6f;
    figure::LegendRow(d, x, y, size, size, WindClassColor(c), WindClassCaption(edges, c));
  }
}

std::string hoursRange(const WindFilter& f) {
  return std::to_string(f.fromHour) + "~" + std::to_string(f.toHour) + "시";
}

std::string monthsText(const std::array<bool, 12>& months) {
  if (std::all_of(months.begin(), months.end(), [](bool m) { return m; })) return "1~12월";
  std::string text;
  for (std::size_t m = 0; m < months.size(); ++m) {
    if (months[m]) text += (text.empty() ? "" : ",") + std::to_string(m + 1);
  }
  return text + "월";
}

}  // namespace

Color WindClassColor(std::size_t i) {
  static constexpr std::array<std::array<uint8_t, 3>, kMostWindClassEdges> kRamp{{{190, 225, 245},
                                                                                  {120, 190, 230},
                                                                                  {60, 140, 210},
                                                                                  {30, 80, 170},
                                                                                  {20, 40, 120},
                                                                                  {90, 30, 130},
                                                                                  {150, 20, 90},
                                                                                  {110, 0, 40}}};
  const auto& rgb = kRamp[std::min(i, kRamp.size() - 1)];
  return Color::rgb(rgb[0], rgb[1], rgb[2]);
}

float WindShareRadius(const RoseGeometry& g, const WindRoseScale& scale, float share) {
  return g.r0 + share / scale.outer() * (g.R - g.r0);
}

Drawing BuildWindRose(const RoseGeometry& g, const WindCounts& counts, std::string_view title) {
  Drawing d(g.scale());
  float largest = 0;
  for (std::size_t dir = 0; dir < counts.directions.size(); ++dir) {
    largest = std::max(largest, counts.directionShare(dir));
  }
  const WindRoseScale scale = ScaleForShare(largest);
  figure::Title(d, g.cx, g.height * 0.96f, title);
  rings(d, g, scale);
  names(d, g, scale);
  if (counts.hours == 0) {
    figure::Label(d, g.cx, g.height * 0.06f, kNoWindHoursText, HAlign::Center, VAlign::Middle);
    return d;
  }
  bars(d, g, counts, scale);
  figure::Label(d, g.cx, g.cy, Format(counts.calmShare(), "#0.0") + "%", HAlign::Center,
                VAlign::Middle);
  legend(d, g, counts.edges);
  figure::Label(d, g.height * 0.02f, g.height * 0.05f,
                "대상시간 " + std::to_string(counts.hours) + "시간", HAlign::Left, VAlign::Middle);
  figure::Label(d, g.height * 0.02f, g.height * 0.02f, PrevailingText(counts), HAlign::Left,
                VAlign::Middle);
  return d;
}

std::string WindRoseTitle(std::string_view region, const WindZone& zone) {
  return std::string(region) + " 지역 바람 분석 (" + WindZoneName(zone) + ")";
}

std::string WindRoseReadout(const RoseGeometry& g, const WindCounts& counts, float x, float y) {
  const int label = RoseDirectionAt(g, x, y);
  if (label < 0 || counts.hours == 0) return {};
  const std::string name = RoseDirectionName(static_cast<std::size_t>(label));
  if (label == 0) return name + ": " + Format(counts.calmShare(), "#0.0") + "%";
  const auto d = static_cast<std::size_t>(label - 1);
  const auto mean = counts.meanSpeed(d);
  return name + ": " + Format(counts.directionShare(d), "#0.0") + "%" +
         (mean ? ", 평균풍속 " + Format(*mean, "#0.0") + " m/s" : "");
}

std::string WindAnalysisCaption(std::string_view region, const WindFilter& filter) {
  std::string period = monthsText(filter.months) + " " + hoursRange(filter);
  if (filter.dryBulb) {
    period += ", 건구온도 " + ShortestText(filter.dryBulb->first) + "~" +
              ShortestText(filter.dryBulb->second) + "°C";
  }
  return std::string(region) + " | " + period + " | 바람 분석 (" + WindZoneName(filter.zone) + ")";
}

}  // namespace vlm
