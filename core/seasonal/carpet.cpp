#include "core/seasonal/carpet.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "core/analysis/zone.h"
#include "core/analysis/zone_outlines.h"
#include "core/climate/date_time.h"
#include "core/climate/region_display.h"
#include "core/seasonal/figure_parts.h"

namespace vlm {
namespace {

// Colour stops of the dry-bulb scale, every 10 °C from −20 to 40.
struct Stop {
  float dbt;
  uint8_t r, g, b;
};
constexpr std::array<Stop, 7> kStops{{{-20.0f, 0x31, 0x36, 0x95},
                                      {-10.0f, 0x45, 0x75, 0xB4},
                                      {0.0f, 0x74, 0xAD, 0xD1},
                                      {10.0f, 0xE0, 0xF3, 0xF8},
                                      {20.0f, 0xFE, 0xE0, 0x90},
                                      {30.0f, 0xF4, 0x6D, 0x43},
                                      {40.0f, 0xA5, 0x00, 0x26}}};

// Margins of the plot area in user units: hour labels on the left, the
// legend on the right, month labels below, the title above.
constexpr float kLeft = -28.0f;
constexpr float kRight = kCarpetDays + 72.0f;
constexpr float kBottom = -4.0f;
constexpr float kTop = kCarpetHours + 3.0f;
constexpr float kLegendX = kCarpetDays + 8.0f;
constexpr float kSwatch = 6.0f;

uint8_t blend(uint8_t a, uint8_t b, double t) {
  return static_cast<uint8_t>(std::lround(a + (static_cast<double>(b) - a) * t));
}

void drawCells(Drawing& d, const ClimateData& climate, const PsychroChart& chart,
               CarpetColouring colouring) {
  d.reserve(kHoursPerYear + 120);  // the cells, then frame, ticks, labels and legend
  for (int h = 1; h <= kHoursPerYear; ++h) {
    const HourRecord& r = climate.year[static_cast<std::size_t>(h)];
    const Color color = colouring == CarpetColouring::Zone
                            ? CarpetZoneColor(GetZone(r.DBT, r.WBT, r.AH, r.RH, r.SpecV, chart))
                            : CarpetDryBulbColor(r.DBT);
    const CarpetCell c = CarpetCellOf(h);
    d.rect(c.x1, c.y1, c.x2, c.y2, color);
  }
}

void drawAxes(Drawing& d) {
  const Color black = Color::palette(0);
  d.line(0, 0, kCarpetDays, 0, black);
  d.line(kCarpetDays, 0, kCarpetDays, kCarpetHours, black);
  d.line(kCarpetDays, kCarpetHours, 0, kCarpetHours, black);
  d.line(0, kCarpetHours, 0, 0, black);
  for (int16_t month = 1; month <= 12; ++month) {
    const float first =
        static_cast<float>(kHoursBeforeMonth[static_cast<std::size_t>(month - 1)]) / 24.0f;
    const float days = static_cast<float>(kDaysInMonth[static_cast<std::size_t>(month - 1)]);
    d.line(first, 0, first, -0.6f, black);
    figure::Label(d, first + days / 2.0f, -0.8f, figure::MonthName(month), HAlign::Center,
                  VAlign::Top);
  }
  d.line(kCarpetDays, 0, kCarpetDays, -0.6f, black);
  for (int hour = 0; hour < 24; hour += 3) {
    const float y = kCarpetHours - static_cast<float>(hour) - 0.5f;
    d.line(-1.5f, y, 0, y, black);
    figure::Label(d, -2.5f, y, std::to_string(hour) + "시", HAlign::Right, VAlign::Middle);
  }
}

void drawZoneLegend(Drawing& d) {
  float y = kCarpetHours - 2.0f;
  for (std::size_t i = 0; i < kNeedZones.size(); ++i, y -= 2.4f) {
    figure::LegendRow(d, kLegendX, y, kSwatch, 1.4f, palette::kNeeds[i], kNeedZones[i].name);
  }
  figure::LegendRow(d, kLegendX, y, kSwatch, 1.4f, kCarpetNoZoneColor, "결측, 도표 범위 밖");
}

void drawDryBulbLegend(Drawing& d) {
  // The scale bar from −20 °C at y = 2 to 40 °C at y = 20, one band per degree.
  constexpr float kBarBottom = 2.0f;
  constexpr float kUnitsPerDegree = 18.0f / (kCarpetWarmest - kCarpetColdest);
  for (int t = static_cast<int>(kCarpetColdest); t < static_cast<int>(kCarpetWarmest); ++t) {
    const float y = kBarBottom + (static_cast<float>(t) - kCarpetColdest) * kUnitsPerDegree;
    d.rect(kLegendX, y, kLegendX + kSwatch, y + kUnitsPerDegree,
           CarpetDryBulbColor(static_cast<float>(t) + 0.5f));
  }
  for (int t = static_cast<int>(kCarpetColdest); t <= static_cast<int>(kCarpetWarmest); t += 10) {
    const float y = kBarBottom + (static_cast<float>(t) - kCarpetColdest) * kUnitsPerDegree;
    d.line(kLegendX + kSwatch, y, kLegendX + kSwatch * 1.3f, y, Color::palette(0));
    figure::Label(d, kLegendX + kSwatch * 1.5f, y, std::to_string(t), HAlign::Left, VAlign::Middle);
  }
  figure::Label(d, kLegendX, kBarBottom + 18.6f, "건구온도(°C)", HAlign::Left, VAlign::Bottom);
  figure::LegendRow(d, kLegendX, 0.0f, kSwatch, 1.0f, kCarpetNoZoneColor, "결측");
}

}  // namespace

CarpetCell CarpetCellOf(int hourOfYear) {
  const int day = (hourOfYear - 1) / 24 + 1;
  const int hour = (hourOfYear - 1) % 24;
  const auto top = static_cast<float>(24 - hour);
  return {static_cast<float>(day - 1), top - 1.0f, static_cast<float>(day), top};
}

Color CarpetZoneColor(int16_t code) {
  const int need = NeedZoneIndex(code);
  return need < 0 ? kCarpetNoZoneColor : palette::kNeeds[static_cast<std::size_t>(need)];
}

Color CarpetDryBulbColor(float dbt) {
  if (dbt == kMissing || std::isnan(dbt)) return kCarpetNoZoneColor;
  const float t = std::clamp(dbt, kCarpetColdest, kCarpetWarmest);
  std::size_t i = 1;
  while (i + 1 < kStops.size() && t > kStops[i].dbt) ++i;
  const Stop& a = kStops[i - 1];
  const Stop& b = kStops[i];
  const double f = (static_cast<double>(t) - a.dbt) / (static_cast<double>(b.dbt) - a.dbt);
  return Color::rgb(blend(a.r, b.r, f), blend(a.g, b.g, f), blend(a.b, b.b, f));
}

Drawing BuildCarpet(const ClimateData& climate, const PsychroChart& chart,
                    CarpetColouring colouring) {
  Drawing d(UserScale{kLeft, kRight, kBottom, kTop});
  drawCells(d, climate, chart, colouring);
  drawAxes(d);
  if (colouring == CarpetColouring::Zone) {
    drawZoneLegend(d);
  } else {
    drawDryBulbLegend(d);
  }
  const std::string subject = colouring == CarpetColouring::Zone ? " 지역 시간별 생체기후적 요구 죤"
                                                                 : " 지역 시간별 건구온도";
  figure::Title(d, kCarpetDays / 2.0f, kCarpetHours + 1.2f, RegionDisplayName(climate) + subject);
  return d;
}

}  // namespace vlm
