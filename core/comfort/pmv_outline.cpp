#include "core/comfort/pmv_outline.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/common/format.h"
#include "core/comfort/comfort_texts.h"
#include "core/comfort/pmv.h"
#include "core/psychro/psychro_chart.h"
#include "core/psychro/psychrometrics.h"

namespace vlm {
namespace {

constexpr double kAirLow = 10.0, kAirHigh = 30.0;  // the standard's air range
constexpr double kVote = 0.5;
// Humidity step of the outline's sides: 0.25 g/kg, a fraction of a pixel on
// the screen's chart, and 40 chords over a typical band.
constexpr float kHumidityStep = 0.00025f;

double voteAt(double t, float w, const ComfortSettings& s, const Psychrometrics& psychro) {
  const PmvInputs in{t, t, s.airSpeed, psychro.GetVP_AH(w), s.met, s.clo};
  return ComputePmv(in).pmv;
}

// The dry bulb where the vote equals `target` at humidity w, held within the
// air range; the vote rises with temperature, so bisection settles it.
double edgeAt(double target, float w, const ComfortSettings& s, const Psychrometrics& psychro) {
  double lo = kAirLow, hi = kAirHigh;
  if (voteAt(lo, w, s, psychro) >= target) return lo;
  if (voteAt(hi, w, s, psychro) <= target) return hi;
  for (int i = 0; i < 40; ++i) {
    const double mid = 0.5 * (lo + hi);
    (voteAt(mid, w, s, psychro) < target ? lo : hi) = mid;
  }
  return 0.5 * (lo + hi);
}

struct Span {
  float cool, warm;
};

// The region's dry bulbs at humidity w; none where it is empty. States above
// the saturation curve (colder than the dew point) are no air.
std::optional<Span> spanAt(float w, const ComfortSettings& s, const Psychrometrics& psychro) {
  double cool = edgeAt(-kVote, w, s, psychro);
  const double warm = edgeAt(kVote, w, s, psychro);
  if (w > 0.0f) cool = std::max(cool, static_cast<double>(psychro.GetDPT_VP(psychro.GetVP_AH(w))));
  if (cool >= warm) return std::nullopt;
  return Span{static_cast<float>(cool), static_cast<float>(warm)};
}

// The humidity between `inside` (a span) and `outside` (none) where the span closes.
float closingHumidity(float inside, float outside, const ComfortSettings& s,
                      const Psychrometrics& psychro) {
  for (int i = 0; i < 30; ++i) {
    const float mid = 0.5f * (inside + outside);
    (spanAt(mid, s, psychro) ? inside : outside) = mid;
  }
  return inside;
}

}  // namespace

std::vector<ChartPoint> PmvComfortOutline(const ComfortSettings& settings,
                                          const Psychrometrics& psychro,
                                          const PsychroChart& chart) {
  std::vector<ChartPoint> cool, warm;
  float w = chart.AHmin;
  std::optional<Span> span = spanAt(w, settings, psychro);
  while (span && w < chart.AHmax) {
    cool.push_back({span->cool, w});
    warm.push_back({span->warm, w});
    const float next = std::min(w + kHumidityStep, chart.AHmax);
    const std::optional<Span> ahead = spanAt(next, settings, psychro);
    if (!ahead) {
      const float top = closingHumidity(w, next, settings, psychro);
      const Span closing = *spanAt(top, settings, psychro);
      cool.push_back({closing.cool, top});
      warm.push_back({closing.warm, top});
      break;
    }
    w = next;
    span = ahead;
  }
  if (cool.empty()) return {};
  std::vector<ChartPoint> outline(cool);
  outline.insert(outline.end(), warm.rbegin(), warm.rend());
  outline.push_back(outline.front());
  return outline;
}

bool InsidePmvComfort(ChartPoint p, const ComfortSettings& settings,
                      const Psychrometrics& psychro) {
  if (p.dbt < kAirLow || p.dbt > kAirHigh) return false;
  return std::abs(voteAt(p.dbt, p.ah, settings, psychro)) <= kVote;
}

int CountInsidePmvComfort(const PlottedPoints& plotted, const ComfortSettings& settings,
                          const Psychrometrics& psychro) {
  return static_cast<int>(std::count_if(
      plotted.points.begin(), plotted.points.end(),
      [&](const PlottedPoint& p) { return InsidePmvComfort(p.at, settings, psychro); }));
}

std::string PmvOutlineLegend(const ComfortSettings& settings, std::optional<int> inside,
                             PeriodMode mode) {
  const auto value = [](double v) { return ShortestText(static_cast<float>(v)); };
  std::string legend = std::string(comfort_texts::kPmvOutlineCaption) + " (" +
                       value(settings.met) + "met, " + value(settings.clo) + "clo, " +
                       value(settings.airSpeed) + "m/s)";
  if (!inside) return legend;
  return legend + ": " + std::to_string(*inside) + (mode == PeriodMode::Hourly ? "시간" : "개");
}

void DrawPmvOutline(BioChart& c, const std::vector<ChartPoint>& outline,
                    const std::string& legend) {
  Drawing& d = c.drawing;
  const Color orange = Color::rgb(255, 128, 0);
  const float width = d.penWidth();
  d.setPenWidth(kOutlinePen);
  for (std::size_t i = 1; i < outline.size(); ++i) {
    d.line(c.chart.GetX_DBT(outline[i - 1].dbt, c.sink), c.chart.GetY_AH(outline[i - 1].ah, c.sink),
           c.chart.GetX_DBT(outline[i].dbt, c.sink), c.chart.GetY_AH(outline[i].ah, c.sink),
           orange);
  }
  const float unit = kChartUnitsPerPixel;
  const float y = c.chart.PlotH - 12.0f * unit;
  d.line(8.0f * unit, y, 32.0f * unit, y, orange);
  d.setPenWidth(width);
  d.text(TextItem{38.0f * unit, y, legend, Color::palette(0), 9.0f, false, HAlign::Left,
                  VAlign::Middle});
}

}  // namespace vlm
