#include "core/solar/radiation_figures.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/common/format.h"
#include "core/solar/radiation_texts.h"
#include "core/solar/solar_pos.h"

namespace vlm {
namespace {

const Color kGrid = Color::palette(8);
const Color kInk = Color::palette(0);
const Color kYearColor = Color::palette(0);
const Color kWantedColor = Color::palette(12);
const Color kUnwantedColor = Color::palette(9);
const std::array<Color, 5> kMonthlyColors = {Color::palette(0), Color::palette(12),
                                             Color::palette(2), Color::palette(13),
                                             Color::palette(9)};

// The smallest of 1, 2, 2.5, 5 × 10ⁿ not below x.
float niceStep(float x) {
  if (x <= 0) return 1;
  const float decade = std::pow(10.0f, std::floor(std::log10(x)));
  for (float m : {1.0f, 2.0f, 2.5f, 5.0f, 10.0f}) {
    if (m * decade >= x * 0.9999f) return m * decade;
  }
  return 10 * decade;
}

// Mathematical angle (counter-clockwise from east, degrees) of an azimuth on a
// north-up figure: south points down, east right.
double screenAngle(double azimuth) { return -90.0 - azimuth; }

TextItem label(float x, float y, std::string text, HAlign h, VAlign v, float size = 9.0f) {
  return TextItem{x, y, std::move(text), kInk, size, false, h, v};
}

void drawSeries(Drawing& d, const RadiationYear& r, const RadiationRoseScale& s,
                float RadiationTotals::*total, Color color) {
  for (int i = 0; i < kRadiationOrientations; ++i) {
    const int j = (i + 1) % kRadiationOrientations;
    const auto a = RoseValuePoint(s, OrientationAzimuth(i), r.orientations[i].*total);
    const auto b = RoseValuePoint(s, OrientationAzimuth(j), r.orientations[j].*total);
    d.line(a.x, a.y, b.x, b.y, color);
  }
}

void drawRoseGrid(Drawing& d, const RadiationRoseScale& s) {
  d.setPenWidth(1);
  d.setDash(DashStyle::Dot);
  for (int k = 1; k <= s.rings; ++k) {
    const float radius = static_cast<float>(k) / static_cast<float>(s.rings);
    d.circle(0, 0, radius, kGrid);
    d.text(label(0.02f, radius, Format(s.step * static_cast<float>(k), "#0"), HAlign::Left,
                 VAlign::Bottom, 7.0f));
  }
  for (int azimuth = -150; azimuth <= 180; azimuth += 30) {
    const auto p = RoseValuePoint(s, azimuth, s.outer());
    d.line(0, 0, p.x, p.y, kGrid);
  }
  d.setDash(DashStyle::Solid);
  d.text(label(0, 1.06f, "북", HAlign::Center, VAlign::Bottom));
  d.text(label(0, -1.06f, "남", HAlign::Center, VAlign::Top));
  d.text(label(1.06f, 0, "동", HAlign::Left, VAlign::Middle));
  d.text(label(-1.06f, 0, "서", HAlign::Right, VAlign::Middle));
}

void legendEntry(Drawing& d, float x, float y, Color color, std::string_view text) {
  d.setPenWidth(2);
  d.line(x, y, x + 0.12f, y, color);
  d.text(label(x + 0.16f, y, std::string(text), HAlign::Left, VAlign::Middle, 8.0f));
}

std::string mostLine(std::string_view lead, int azimuth, float value) {
  return std::string(lead) + OrientationName(azimuth) + " (" + Format(value, "#0.0") +
         std::string(kTotalUnit) + ")";
}

}  // namespace

std::string OrientationName(int azimuth) {
  if (azimuth == 0) return "남";
  if (azimuth == 180 || azimuth == -180) return "북";
  if (azimuth == 90) return "서";
  if (azimuth == -90) return "동";
  const std::string side = azimuth > 0 ? "서" : "동";
  const int a = std::abs(azimuth);
  if (a < 90) return "남" + std::to_string(a) + "°" + side;
  return "북" + std::to_string(180 - a) + "°" + side;
}

RadiationRoseScale RoseScaleFor(const RadiationYear& result) {
  float most = 0;
  for (const RadiationTotals& t : result.orientations) most = std::max(most, t.year);
  RadiationRoseScale s;
  s.step = niceStep(most / 4);
  s.rings = std::max(1, static_cast<int>(std::ceil(most / s.step - 1e-4f)));
  return s;
}

RadiationRosePoint RoseValuePoint(const RadiationRoseScale& scale, double azimuth, float value) {
  const double r = value / scale.outer();
  const double a = screenAngle(azimuth) * kDegToRad;
  return {static_cast<float>(r * std::cos(a)), static_cast<float>(r * std::sin(a))};
}

Drawing RadiationRoseDrawing(const RadiationYear& result, std::string_view regionName,
                             RoseSeries series) {
  Drawing d(UserScale{-1.5f, 1.5f, -1.75f, 1.45f});
  const RadiationRoseScale s = RoseScaleFor(result);
  d.text(label(0, 1.42f, std::string(regionName) + " " + std::string(kRoseTitle), HAlign::Center,
               VAlign::Top, 11.0f));
  drawRoseGrid(d, s);
  d.setPenWidth(2);
  const auto shown = [series](RoseSeries one) {
    return series == RoseSeries::All || series == one;
  };
  float legendY = 1.22f;
  const auto entry = [&](RoseSeries one, float RadiationTotals::*total, Color colour,
                         std::string_view caption) {
    if (!shown(one)) return;
    drawSeries(d, result, s, total, colour);
    legendEntry(d, -1.45f, legendY, colour, caption);
    legendY -= 0.1f;
  };
  entry(RoseSeries::Year, &RadiationTotals::year, kYearColor, kYearCaption);
  entry(RoseSeries::Wanted, &RadiationTotals::wanted, kWantedColor, kWantedLegend);
  entry(RoseSeries::Unwanted, &RadiationTotals::unwanted, kUnwantedColor, kUnwantedLegend);
  const auto& wanted = result.orientations[OrientationIndex(result.mostWanted)];
  const auto& unwanted = result.orientations[OrientationIndex(result.mostUnwanted)];
  d.text(label(0, -1.28f, mostLine(kMostWantedLead, result.mostWanted, wanted.wanted),
               HAlign::Center, VAlign::Top));
  d.text(label(0, -1.45f, mostLine(kMostUnwantedLead, result.mostUnwanted, unwanted.unwanted),
               HAlign::Center, VAlign::Top));
  return d;
}

std::optional<RadiationRoseReading> RadiationRoseReadingAt(const RadiationYear& result, float x,
                                                           float y) {
  if (std::hypot(x, y) > 1.1) return std::nullopt;
  const double angle = std::atan2(y, x) / kDegToRad;
  // Back from the screen angle to the azimuth, rounded to the nearest 10°.
  double azimuth = std::remainder(-90.0 - angle, 360.0);
  int nearest = static_cast<int>(std::lround(azimuth / 10.0)) * 10;
  if (nearest <= -180) nearest += 360;
  const RadiationTotals& t = result.orientations[OrientationIndex(nearest)];
  return RadiationRoseReading{nearest, t.year, t.wanted, t.unwanted};
}

std::string RadiationRoseReadout(const RadiationYear& result, float x, float y) {
  const auto r = RadiationRoseReadingAt(result, x, y);
  if (!r) return "";
  return OrientationName(r->azimuth) + ": " + std::string(kYearCaption) + " " +
         Format(r->year, "#0.0") + ", " + std::string(kWantedCaption) + " " +
         Format(r->wanted, "#0.0") + ", " + std::string(kUnwantedCaption) + " " +
         Format(r->unwanted, "#0.0") + std::string(kTotalUnit);
}

Drawing RadiationMonthlyDrawing(const RadiationYear& result, std::string_view regionName) {
  std::array<std::array<float, 12>, 5> series{};
  series[0] = MonthlyDailyMeans(result.horizontal);
  for (std::size_t k = 0; k < 4; ++k) {
    series[k + 1] =
        MonthlyDailyMeans(result.orientations[OrientationIndex(kMainOrientationAzimuths[k])]);
  }
  float most = 0;
  for (const auto& s : series) most = std::max(most, *std::max_element(s.begin(), s.end()));
  const float step = niceStep(most / 5);
  const int ticks = std::max(1, static_cast<int>(std::ceil(most / step - 1e-4f)));
  const float top = step * static_cast<float>(ticks);

  Drawing d(UserScale{-1.6f, 12.4f, -0.16f * top, 1.32f * top});
  d.text(label(6, 1.30f * top, std::string(regionName) + " " + std::string(kMonthlyTitle),
               HAlign::Center, VAlign::Top, 11.0f));
  d.setDash(DashStyle::Dot);
  for (int k = 0; k <= ticks; ++k) {
    const float v = step * static_cast<float>(k);
    if (k > 0) d.line(0, v, 12, v, kGrid);
    d.text(label(-0.15f, v, Format(v, "#0.0"), HAlign::Right, VAlign::Middle, 8.0f));
  }
  d.setDash(DashStyle::Solid);
  d.line(0, 0, 12, 0, kInk);
  d.line(0, 0, 0, top, kInk);
  for (int m = 0; m < 12; ++m) {
    d.text(label(static_cast<float>(m) + 0.5f, -0.03f * top, std::to_string(m + 1) + "월",
                 HAlign::Center, VAlign::Top, 8.0f));
  }
  d.setPenWidth(2);
  for (std::size_t k = 0; k < series.size(); ++k) {
    for (std::size_t m = 0; m < 12; ++m) {
      const float x = static_cast<float>(m) + 0.5f;
      d.dot(x, series[k][m], kMonthlyColors[k]);
      if (m > 0) d.line(x - 1, series[k][m - 1], x, series[k][m], kMonthlyColors[k]);
    }
    const std::string_view name = k == 0 ? kHorizontalCaption : kMainOrientationCaptions[k - 1];
    const float lx = 0.3f + 2.4f * static_cast<float>(k);
    d.line(lx, 1.12f * top, lx + 0.5f, 1.12f * top, kMonthlyColors[k]);
    d.text(label(lx + 0.65f, 1.12f * top, std::string(name), HAlign::Left, VAlign::Middle, 8.0f));
  }
  return d;
}

}  // namespace vlm
