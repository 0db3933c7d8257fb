// The climate year on the sun-path diagram: every daytime hour that wants the
// sun ("Promote Solar Gain") or refuses it ("Restrict Solar Gain") as a dot at
// the sun's position, one colour per wish, with a legend of the counts in the
// picture's upper left corner. The dots stand where the hour's beam comes from,
// the position the shade's performance judges, so a dot inside a mask's outline
// is an hour the shade keeps in shade.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/climate/site.h"
#include "core/draw/drawing.h"
#include "core/draw/palette.h"
#include "core/solar/shade_performance.h"
#include "core/solar/sun_path.h"

namespace vlm {

// As every figure of the program's own: the sun wanted in heating hours, refused in cooling ones.
inline constexpr Color kWantedSunColor = palette::kHeating;
inline constexpr Color kUnwantedSunColor = palette::kCooling;

struct OverlayCounts {
  int wanted = 0, unwanted = 0;
  bool operator==(const OverlayCounts&) const = default;
};

[[nodiscard]] OverlayCounts CountWishes(const std::vector<WishedHour>& hours);

// How the diagram of a loaded year names and places its site: the region's
// name with the station's ("서울 (Seoul.WS)"), and the latitude to four decimals
// as the diagram reads it.
struct DiagramSite {
  std::string name, latitudeText;
};
[[nodiscard]] DiagramSite DiagramSiteOf(const Site& site, std::string_view regionName);

// The dots, then the legend; the drawing's pen is left as it was.
OverlayCounts DrawClimateOverlay(Drawing& drawing, const SunPathGeometry& g,
                                 const std::vector<WishedHour>& hours);

}  // namespace vlm
