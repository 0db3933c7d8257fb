#include "core/solar/diagram_legend.h"

#include <string>

#include "core/solar/sun_path.h"

namespace vlm {
namespace {

// Adds each non-empty line of a CR LF text as a note.
void notes(Legend& legend, std::string_view text) {
  while (!text.empty()) {
    const std::size_t end = text.find("\r\n");
    const std::string_view line = text.substr(0, end);
    if (!line.empty()) legend.note(std::string(line));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 2);
  }
}

}  // namespace

Legend SunPathLegend() {
  Legend legend;
  legend.heading(std::string(kSunPathLegendDates));
  for (const SunPathDateCurve& curve : kSunPathDateCurves)
    legend.add(LegendMark::Line, curve.line, std::string(curve.caption));
  legend.heading(std::string(kSunPathLegendHours));
  legend.add(LegendMark::Line, Color::palette(0), "검은 선: 태양시의 시간선");
  notes(legend, kSunPathLegendHourText);
  notes(legend, kSunPathLegendAngles);
  return legend;
}

Legend MaskLegend() {
  Legend legend = SunPathLegend();
  legend.heading("음영마스크");
  legend.add(LegendMark::Line, Color::palette(0), std::string(kMaskLegendOutline));
  legend.entries.back().singledOut = true;  // the outline's thick pen
  notes(legend, kMaskLegendText);
  return legend;
}

}  // namespace vlm
