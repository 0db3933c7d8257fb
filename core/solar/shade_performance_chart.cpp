#include "core/solar/shade_performance_chart.h"

#include <optional>
#include <string>
#include <utility>

#include "core/solar/shading_texts.h"

namespace vlm {
namespace {

const Color kInk = Color::palette(0);
const Color kGrid = Color::palette(8);
constexpr float kBarWidth = 0.36f;

TextItem label(float x, float y, std::string text, HAlign h, VAlign v, float size = 8.0f) {
  return TextItem{x, y, std::move(text), kInk, size, false, h, v};
}

void bar(Drawing& d, float left, const std::optional<double>& share, Color color) {
  if (share) d.rect(left, 0, left + kBarWidth, static_cast<float>(*share), color);
}

}  // namespace

Drawing ShadePerformanceChart(const ShadePerformance& p) {
  Drawing d(UserScale{-1.8f, 12.3f, -14.0f, 128.0f});
  d.setDash(DashStyle::Dot);
  for (int share = 0; share <= 100; share += 20) {
    if (share > 0) d.line(0, static_cast<float>(share), 12, static_cast<float>(share), kGrid);
    d.text(label(-0.15f, static_cast<float>(share), std::to_string(share), HAlign::Right,
                 VAlign::Middle));
  }
  d.setDash(DashStyle::Solid);
  for (std::size_t m = 0; m < p.months.size(); ++m) {
    const ShadeTally& t = p.months[m];
    const float x = static_cast<float>(m) + 0.5f;
    bar(d, x - kBarWidth, ShareOf(t.unwantedBeamBlocked, t.unwantedBeam), kBlockedBarColor);
    bar(d, x, ShareOf(t.wantedBeamAdmitted, t.wantedBeam), kAdmittedBarColor);
    d.text(label(x, -2, std::to_string(m + 1), HAlign::Center, VAlign::Top));
  }
  d.line(0, 0, 12, 0, kInk);
  d.line(0, 0, 0, 100, kInk);
  // The legend above the plot, one swatch and caption for each kind.
  const std::pair<Color, std::string_view> legend[] = {{kBlockedBarColor, kBlockedLegend},
                                                       {kAdmittedBarColor, kAdmittedLegend}};
  for (std::size_t k = 0; k < 2; ++k) {
    const float lx = 0.2f + 6.0f * static_cast<float>(k);
    d.rect(lx, 108, lx + 0.5f, 114, legend[k].first);
    d.text(label(lx + 0.65f, 111, std::string(legend[k].second), HAlign::Left, VAlign::Middle));
  }
  return d;
}

}  // namespace vlm
