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
// The shade's performance over the loaded year: "서울 | 1월~12월, 년간 | 차양 성능(수평차양)".
[[nodiscard]] std::string ShadePerformanceCaption(std::string_view region, std::string_view device);

// The seasonal page's figures, each of the whole loaded year: the need-zone
// shares month by month, the hour-by-day carpet, and the monthly means of the
// loaded climate against another.
[[nodiscard]] std::string NeedShareCaption(std::string_view region);
[[nodiscard]] std::string CarpetCaption(std::string_view region, CarpetColouring colouring);
[[nodiscard]] std::string ComparisonCaption(std::string_view region, std::string_view other);

// The tables that leave the program: the analysis of a period (a PeriodText)
// and the degree-days of the loaded year.
[[nodiscard]] std::string AnalysisTableCaption(std::string_view region,
                                               std::string_view periodText);
[[nodiscard]] std::string DegreeDayCaption(std::string_view region);

// What a form shows, from its caption without the menu number:
// "32-습공기 상태계산" → "습공기 상태계산"; for a page printed or a table saved
// without a caption of its own.
[[nodiscard]] std::string FormCaptionKind(std::string_view formCaption);

// The climate report of a period (a PeriodText).
[[nodiscard]] std::string ClimateReportCaption(std::string_view region,
                                               std::string_view periodText);

// The name a save dialog proposes for a figure, table or report of this
// caption: its parts joined by '_', each without blanks, with '~' as '-' and
// without the bracketed hour count of a period; a period of whole days drops
// its hours ("서울_1월1일-12월31일_보고서.pdf"). Characters that a file name
// may not hold become '_'. No extension when `extension` is empty; empty when
// the caption is.
[[nodiscard]] std::string CaptionFileName(std::string_view caption, std::string_view extension);

}  // namespace vlm
