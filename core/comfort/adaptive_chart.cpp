#include "core/comfort/adaptive_chart.h"

#include <string>

#include "core/climate/date_time.h"
#include "core/comfort/adaptive.h"
#include "core/comfort/comfort_classes.h"
#include "core/comfort/comfort_texts.h"
#include "core/psychro/psychro_chart.h"
#include "core/seasonal/figure_parts.h"

namespace vlm {
namespace {

constexpr float kStep = 0.5f;  // running-mean step of the band lines, °C
constexpr float kLegendX = kAdaptiveRunningMax + 3.0f;
// Band line colours from the narrowest, as the bars' segments.
constexpr int16_t kLineColors[3] = {2, 10, 6};

std::optional<AdaptiveBand> bandAt(ComfortModel model, float runningMean) {
  return model == ComfortModel::AshraeAdaptive ? AshraeAdaptiveBand(runningMean)
                                               : EnAdaptiveBand(runningMean);
}

// A line over the running means where `value` gives a limit, broken where it gives none.
template <typename Value>
void drawLimit(Drawing& d, ComfortModel model, Value value, Color color) {
  std::optional<float> last;
  for (float x = kAdaptiveRunningMin; x <= kAdaptiveRunningMax; x += kStep) {
    const std::optional<AdaptiveBand> band = bandAt(model, x);
    const std::optional<double> y = band ? value(*band) : std::nullopt;
    if (y && last) d.line(x - kStep, *last, x, static_cast<float>(*y), color);
    last = y ? std::optional<float>(static_cast<float>(*y)) : std::nullopt;
  }
}

void drawBands(Drawing& d, ComfortModel model) {
  d.setPenWidth(2.0f);
  drawLimit(d, model, [](const AdaptiveBand& b) { return std::optional(b.comfortTemperature); },
            Color::palette(0));
  for (std::size_t i = 0; i < static_cast<std::size_t>(BandCount(model)); ++i) {
    const Color color = Color::palette(kLineColors[i]);
    drawLimit(d, model, [i](const AdaptiveBand& b) { return b.lower[i]; }, color);
    drawLimit(d, model, [i](const AdaptiveBand& b) { return b.upper[i]; }, color);
  }
  d.setPenWidth(1.0f);
}

void drawHours(Drawing& d, const ClimateData& climate, ComfortModel model) {
  const auto running = RunningMeanOutdoor(DailyMeanDryBulb(climate));
  d.setPenWidth(2.0f);
  d.reserve(kHoursPerYear);
  for (int h = 1; h <= kHoursPerYear; ++h) {
    const float t = climate.year[static_cast<std::size_t>(h)].DBT;
    const auto x = static_cast<float>(running[static_cast<std::size_t>((h - 1) / 24)]);
    if (t == kMissing || t < kAdaptiveDryBulbMin || t > kAdaptiveDryBulbMax) continue;
    if (x < kAdaptiveRunningMin || x > kAdaptiveRunningMax) continue;
    const int16_t color = bandAt(model, x) ? PsychroChart::GetColor_Hour(static_cast<int16_t>(h))
                                           : kOutsideHourColor;
    d.dot(x, t, Color::palette(color));
  }
  d.setPenWidth(1.0f);
}

void drawAxes(Drawing& d) {
  const Color black = Color::palette(0);
  d.line(kAdaptiveRunningMin, kAdaptiveDryBulbMin, kAdaptiveRunningMax, kAdaptiveDryBulbMin, black);
  d.line(kAdaptiveRunningMin, kAdaptiveDryBulbMin, kAdaptiveRunningMin, kAdaptiveDryBulbMax, black);
  for (int x = -15; x <= 35; x += 5) {
    const auto fx = static_cast<float>(x);
    d.line(fx, kAdaptiveDryBulbMin, fx, kAdaptiveDryBulbMin - 0.8f, black);
    figure::Label(d, fx, kAdaptiveDryBulbMin - 1.2f, std::to_string(x), HAlign::Center,
                  VAlign::Top);
  }
  for (int y = -25; y <= 45; y += 5) {
    const auto fy = static_cast<float>(y);
    d.line(kAdaptiveRunningMin - 0.6f, fy, kAdaptiveRunningMin, fy, black);
    figure::Label(d, kAdaptiveRunningMin - 1.0f, fy, std::to_string(y), HAlign::Right,
                  VAlign::Middle);
  }
  figure::Label(d, (kAdaptiveRunningMin + kAdaptiveRunningMax) / 2, kAdaptiveDryBulbMin - 5.0f,
                comfort_texts::kRunningMeanAxis, HAlign::Center, VAlign::Top);
  figure::Label(d, kAdaptiveRunningMin, kAdaptiveDryBulbMax + 1.5f, comfort_texts::kDryBulbAxis,
                HAlign::Center, VAlign::Bottom);
}

void drawLegend(Drawing& d, ComfortModel model) {
  float y = kAdaptiveDryBulbMax - 3.0f;
  const auto lineRow = [&](Color color, const std::string& label) {
    d.setPenWidth(2.0f);
    d.line(kLegendX, y + 1.0f, kLegendX + 2.0f, y + 1.0f, color);
    d.setPenWidth(1.0f);
    figure::Label(d, kLegendX + 3.0f, y + 1.0f, label, HAlign::Left, VAlign::Middle);
    y -= 3.2f;
  };
  lineRow(Color::palette(0), comfort_texts::kComfortTemperature);
  const std::vector<ComfortClass> classes = ComfortClasses(model, ComfortTally{});
  for (int i = 0; i < BandCount(model); ++i)
    lineRow(Color::palette(kLineColors[i]), classes[static_cast<std::size_t>(i) + 1].name);
  for (int16_t month = 1; month <= 12; ++month, y -= 3.2f)
    figure::LegendRow(d, kLegendX, y, 1.2f, 2.0f, Color::palette(PsychroChart::GetColor_Month(month)),
                      figure::MonthName(month));
  figure::LegendRow(d, kLegendX, y, 1.2f, 2.0f, Color::palette(kOutsideHourColor),
                    comfort_texts::kOutside);
}

}  // namespace

Drawing BuildAdaptiveChart(const ClimateData& climate, ComfortModel model,
                           std::string_view regionName) {
  if (model == ComfortModel::Pmv) return {};
  Drawing d(UserScale{kAdaptiveRunningMin - 5.0f, kAdaptiveRunningMax + 16.0f,
                      kAdaptiveDryBulbMin - 10.0f, kAdaptiveDryBulbMax + 7.0f});
  drawHours(d, climate, model);
  drawBands(d, model);
  drawAxes(d);
  drawLegend(d, model);
  figure::Title(d, (kAdaptiveRunningMin + kAdaptiveRunningMax) / 2, kAdaptiveDryBulbMax + 4.0f,
                std::string(regionName) + " 지역 " + ComfortModelName(model) + " 쾌적범위");
  return d;
}

}  // namespace vlm
