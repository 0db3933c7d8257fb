#include "core/seasonal/share_chart.h"

#include <string>

#include "core/analysis/zone.h"
#include "core/analysis/zone_outlines.h"
#include "core/draw/palette.h"
#include "core/seasonal/figure_parts.h"

namespace vlm {
namespace {

constexpr float kColumns = static_cast<float>(kMonthColumns);
constexpr float kLegendX = kColumns + 0.6f;

void drawAxes(Drawing& d) {
  const Color black = Color::palette(0);
  for (int share = 0; share <= 100; share += 20) {
    const auto y = static_cast<float>(share);
    if (share > 0) {
      d.setDash(DashStyle::Dot);
      d.line(0, y, kColumns, y, Color::palette(8));
      d.setDash(DashStyle::Solid);
    }
    d.line(-0.12f, y, 0, y, black);
    figure::Label(d, -0.2f, y, std::to_string(share), HAlign::Right, VAlign::Middle);
  }
  d.line(0, 0, kColumns, 0, black);
  d.line(0, 0, 0, 100, black);
  figure::Label(d, -0.2f, 104, "비율(%)", HAlign::Right, VAlign::Bottom);
  for (std::size_t c = 0; c < kMonthColumns; ++c) {
    const std::string name =
        c == kYearColumn ? std::string("년간") : figure::MonthName(static_cast<int>(c) + 1);
    figure::Label(d, static_cast<float>(c) + 0.5f, -2.0f, name, HAlign::Center, VAlign::Top);
  }
}

void drawBar(Drawing& d, std::size_t column, const std::array<float, 5>& shares) {
  const float x1 = static_cast<float>(column) + 0.2f;
  const float x2 = static_cast<float>(column) + 0.8f;
  std::size_t last = 0;
  for (std::size_t i = 0; i < shares.size(); ++i)
    if (shares[i] > 0.0f) last = i;
  float bottom = 0.0f;
  for (std::size_t i = 0; i < shares.size(); ++i) {
    if (shares[i] <= 0.0f) continue;
    // The last share closes the bar at exactly 100, whatever the rounding.
    const float top = i == last ? 100.0f : bottom + shares[i];
    d.rect(x1, bottom, x2, top, palette::kNeeds[i]);
    bottom = top;
  }
}

}  // namespace

Drawing BuildNeedShareChart(const MonthlyZones& zones, std::string_view regionName) {
  Drawing d(UserScale{-1.6f, kColumns + 4.2f, -12.0f, 114.0f});
  for (std::size_t c = 0; c < kMonthColumns; ++c) {
    if (const auto shares = NeedShares(zones.columns[c].tally)) drawBar(d, c, *shares);
  }
  drawAxes(d);
  float y = 92.0f;
  for (std::size_t i = 0; i < kNeedZones.size(); ++i, y -= 9.0f) {
    figure::LegendRow(d, kLegendX, y, 0.35f, 5.0f, palette::kNeeds[i], kNeedZones[i].name);
  }
  figure::Title(d, kColumns / 2.0f, 106.0f,
                std::string(regionName) + " 지역 월별 생체기후적 요구 죤 비율(%)");
  return d;
}

}  // namespace vlm
