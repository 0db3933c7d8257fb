#include "core/comfort/comfort_share_chart.h"

#include <string>
#include <vector>

#include "core/comfort/comfort_classes.h"
#include "core/seasonal/figure_parts.h"

namespace vlm {
namespace {

constexpr float kColumns = 13.0f;
constexpr float kLegendX = kColumns + 0.6f;

void drawAxes(Drawing& d) {
  const Color black = Color::palette(0);
  for (int share = 0; share <= 100; share += 20) {
    const auto y = static_cast<float>(share);
    d.line(-0.12f, y, 0, y, black);
    figure::Label(d, -0.2f, y, std::to_string(share), HAlign::Right, VAlign::Middle);
  }
  d.line(0, 0, kColumns, 0, black);
  d.line(0, 0, 0, 100, black);
  figure::Label(d, -0.2f, 104, "비율(%)", HAlign::Right, VAlign::Bottom);
  for (int c = 0; c < 13; ++c) {
    const std::string name = c == 12 ? std::string("년간") : figure::MonthName(c + 1);
    figure::Label(d, static_cast<float>(c) + 0.5f, -2.0f, name, HAlign::Center, VAlign::Top);
  }
}

void drawBar(Drawing& d, int column, const std::vector<ComfortClass>& classes) {
  int total = 0;
  for (const ComfortClass& c : classes) total += c.hours;
  if (total == 0) return;
  const float x1 = static_cast<float>(column) + 0.2f;
  const float x2 = static_cast<float>(column) + 0.8f;
  int below = 0;  // hours under the segment, so that the last top is exactly 100
  for (const ComfortClass& c : classes) {
    if (c.hours == 0) continue;
    const float bottom = 100.0f * static_cast<float>(below) / static_cast<float>(total);
    below += c.hours;
    const float top = 100.0f * static_cast<float>(below) / static_cast<float>(total);
    d.rect(x1, bottom, x2, top, Color::palette(c.color));
  }
}

}  // namespace

Drawing BuildComfortShareChart(const ComfortYear& year, std::string_view regionName) {
  Drawing d(UserScale{-1.6f, kColumns + 4.2f, -12.0f, 114.0f});
  for (int c = 0; c < 12; ++c)
    drawBar(d, c, ComfortClasses(year.model, year.months[static_cast<std::size_t>(c)]));
  drawBar(d, 12, ComfortClasses(year.model, year.year));
  drawAxes(d);
  float y = 92.0f;
  for (const ComfortClass& c : ComfortClasses(year.model, ComfortTally{})) {
    figure::LegendRow(d, kLegendX, y, 0.35f, 5.0f, Color::palette(c.color), c.name);
    y -= 9.0f;
  }
  figure::Title(d, kColumns / 2.0f, 106.0f,
                std::string(regionName) + " 지역 월별 " + ComfortModelName(year.model) +
                    " 열쾌적 비율(%)");
  return d;
}

}  // namespace vlm
