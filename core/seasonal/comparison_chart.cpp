#include "core/seasonal/comparison_chart.h"

#include <string>

#include "core/draw/palette.h"
#include "core/seasonal/figure_parts.h"

namespace vlm {
namespace {

// The plot spans x = 0.5 … 12.5 and y = 0 … 100: dry-bulb −20 … 40 °C on the
// left axis, relative humidity 0 … 100 % on the right.
constexpr float kFirstX = 0.5f;
constexpr float kLastX = 12.5f;
constexpr float kColdest = -20.0f;
constexpr float kDegreeUnits = 100.0f / 60.0f;
constexpr Color kDryBulbColor = palette::kOrange;
constexpr Color kHumidityColor = palette::kSkyBlue;

float dbtY(float dbt) { return (dbt - kColdest) * kDegreeUnits; }

void drawAxes(Drawing& d) {
  const Color black = Color::palette(0);
  d.line(kFirstX, 0, kLastX, 0, black);
  d.line(kFirstX, 0, kFirstX, 100, black);
  d.line(kLastX, 0, kLastX, 100, black);
  for (int t = -20; t <= 40; t += 10) {
    const float y = dbtY(static_cast<float>(t));
    d.line(kFirstX - 0.12f, y, kFirstX, y, black);
    figure::Label(d, kFirstX - 0.2f, y, std::to_string(t), HAlign::Right, VAlign::Middle);
  }
  for (int rh = 0; rh <= 100; rh += 20) {
    const auto y = static_cast<float>(rh);
    d.line(kLastX, y, kLastX + 0.12f, y, black);
    figure::Label(d, kLastX + 0.2f, y, std::to_string(rh), HAlign::Left, VAlign::Middle);
  }
  figure::Label(d, kFirstX, 104, "건구온도(°C)", HAlign::Center, VAlign::Bottom);
  figure::Label(d, kLastX, 104, "상대습도(%)", HAlign::Center, VAlign::Bottom);
  for (int m = 1; m <= 12; ++m) {
    figure::Label(d, static_cast<float>(m), -2.0f, figure::MonthName(m), HAlign::Center,
                  VAlign::Top);
  }
}

// One climate's series: a line between neighbouring months that both have a
// mean, and a dot at every month that has one.
void drawSeries(Drawing& d, const std::array<MeanPair, 12>& means, std::size_t which, Color color,
                bool dryBulb) {
  const auto y = [dryBulb](float v) { return dryBulb ? dbtY(v) : v; };
  d.setPenWidth(2.0f);
  d.setDash(which == 0 ? DashStyle::Solid : DashStyle::Dash);
  for (std::size_t m = 1; m < means.size(); ++m) {
    const auto& from = means[m - 1][which];
    const auto& to = means[m][which];
    if (from && to) {
      d.line(static_cast<float>(m), y(*from), static_cast<float>(m + 1), y(*to), color);
    }
  }
  d.setDash(DashStyle::Solid);
  d.setPenWidth(6.0f);
  for (std::size_t m = 0; m < means.size(); ++m) {
    if (const auto& v = means[m][which]) d.dot(static_cast<float>(m + 1), y(*v), color);
  }
  d.setPenWidth(1.0f);
}

void legendLine(Drawing& d, float y, Color color, DashStyle dash, const std::string& label) {
  d.setPenWidth(2.0f);
  d.setDash(dash);
  d.line(kLastX + 1.4f, y, kLastX + 2.2f, y, color);
  d.setDash(DashStyle::Solid);
  d.setPenWidth(1.0f);
  figure::Label(d, kLastX + 2.4f, y, label, HAlign::Left, VAlign::Middle);
}

}  // namespace

Drawing BuildComparisonChart(const ClimateComparison& c) {
  Drawing d(UserScale{-1.0f, kLastX + 6.4f, -12.0f, 114.0f});
  drawAxes(d);
  for (std::size_t which = 0; which < 2; ++which) {
    drawSeries(d, c.meanDBT, which, kDryBulbColor, true);
    drawSeries(d, c.meanRH, which, kHumidityColor, false);
  }
  const std::string a = c.a.summary[0] + "(기준)";
  const std::string b = c.b.summary[0] + "(비교)";
  legendLine(d, 92, kDryBulbColor, DashStyle::Solid, a + " 건구온도");
  legendLine(d, 84, kDryBulbColor, DashStyle::Dash, b + " 건구온도");
  legendLine(d, 76, kHumidityColor, DashStyle::Solid, a + " 상대습도");
  legendLine(d, 68, kHumidityColor, DashStyle::Dash, b + " 상대습도");
  figure::Title(d, (kFirstX + kLastX) / 2.0f, 106.0f, "월평균 건구온도와 상대습도");
  return d;
}

}  // namespace vlm
