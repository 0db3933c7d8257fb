#include "core/solar/climate_overlay.h"

#include <cstdio>
#include <string>

#include "core/solar/shading_texts.h"

namespace vlm {
namespace {

constexpr float kDotWidth = 2.0f;
constexpr float kLegendPointSize = 8.0f;

void legendLine(Drawing& drawing, const SunPathGeometry& g, float row, Color color,
                std::string_view lead, int count) {
  // Rows of a twentieth of the picture down from its upper left corner, clear
  // of the direction labels at the middle of each side.
  const float step = g.height / 20.0f;
  const float x = g.width / 40.0f;
  const float y = g.height - step * row;
  drawing.setPenWidth(2 * kDotWidth);
  drawing.dot(x, y, color);
  drawing.text(TextItem{x + step / 3, y,
                        std::string(lead) + std::to_string(count) + std::string(kHoursUnit),
                        Color::palette(0), kLegendPointSize, false, HAlign::Left, VAlign::Middle});
}

}  // namespace

OverlayCounts CountWishes(const std::vector<WishedHour>& hours) {
  OverlayCounts counts;
  for (const WishedHour& h : hours) {
    if (h.wish == SunWish::Wanted) ++counts.wanted;
    if (h.wish == SunWish::Unwanted) ++counts.unwanted;
  }
  return counts;
}

DiagramSite DiagramSiteOf(const Site& site, std::string_view regionName) {
  std::string name(regionName);
  if (name.empty()) {
    name = site.name;
  } else if (!site.name.empty() && site.name != name) {
    name += " (" + site.name + ")";
  }
  char latitude[32];
  std::snprintf(latitude, sizeof latitude, "%.4f", site.latitude);
  return DiagramSite{name, latitude};
}

OverlayCounts DrawClimateOverlay(Drawing& drawing, const SunPathGeometry& g,
                                 const std::vector<WishedHour>& hours) {
  const float pen = drawing.penWidth();
  drawing.reserve(hours.size() + 4);
  drawing.setPenWidth(kDotWidth);
  for (const WishedHour& h : hours) {
    const DiagramPoint p = ProjectSunPos(g, h.sun.azimuth, h.sun.altitude);
    drawing.dot(p.x, p.y, h.wish == SunWish::Wanted ? kWantedSunColor : kUnwantedSunColor);
  }
  const OverlayCounts counts = CountWishes(hours);
  legendLine(drawing, g, 1.0f, kWantedSunColor, kOverlayWantedLead, counts.wanted);
  legendLine(drawing, g, 1.5f, kUnwantedSunColor, kOverlayUnwantedLead, counts.unwanted);
  drawing.setPenWidth(pen);
  return counts;
}

}  // namespace vlm
