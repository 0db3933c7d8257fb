// The line under a figure that leaves the program (a saved or copied picture,
// a page of the climate report): where, when and what, so that the figure
// still means something out of its screen. The screens themselves carry none.
#pragma once

#include <string>
#include <string_view>

#include "core/graphs/monthly_chart.h"
#include "core/graphs/wind_rose.h"
#include "core/seasonal/carpet.h"

namespace vlm {

// The parts that are not empty, joined by " | ".
[[nodiscard]] std::string JoinCaption(std::string_view subject, std::string_view period,
                                      std::string_view kind);

// "위도 37.34°" from the latitude box's text (its own digits, trimmed).
[[nodiscard]] std::string LatitudeSubject(std::string_view latitudeText);

// The building bioclimatic chart; `periodText` is empty when no data is plotted.
[[nodiscard]] std::string BioChartCaption(std::string_view region, std::string_view periodText);
// The monthly chart of an element: the months and the year of the loaded file.
[[nodiscard]] std::string MonthlyChartCaption(std::string_view region, MonthlyElement element);
// The wind rose of a month, a season or the year.
[[nodiscard]] std::string WindRoseCaption(std::string_view region, RosePeriod period);
// The sun-path diagram, and the shading mask of a shade type (its summary caption).
[[nodiscard]] std::string SunPathCaption(std::string_view latitudeText);
[[nodiscard]] std::string ShadingMaskCaption(std::string_view latitudeText,
                                             std::string_view device);

// The seasonal page's figures, each of the whole loaded year: the need-zone
// shares month by month, the hour-by-day carpet, and the monthly means of the
// loaded climate against another.
[[nodiscard]] std::string NeedShareCaption(std::string_view region);
[[nodiscard]] std::string CarpetCaption(std::string_view region, CarpetColouring colouring);
[[nodiscard]] std::string ComparisonCaption(std::string_view region, std::string_view other);

}  // namespace vlm
