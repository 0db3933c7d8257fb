#include "core/analysis/chart_legend.h"

#include "core/analysis/zone.h"
#include "core/analysis/zone_outlines.h"
#include "core/climate/date_time.h"
#include "core/common/message.h"
#include "core/psychro/psychro_chart.h"

namespace vlm {
namespace {

const char* modeMeaning(PeriodMode mode) {
  switch (mode) {
    case PeriodMode::Hourly:
      return kLegendHourly;
    case PeriodMode::Daily:
      return kLegendDaily;
    case PeriodMode::Monthly:
      return kLegendMonthly;
  }
  return kLegendHourly;
}

void addZone(Legend& legend, int16_t color, std::string_view name, bool singledOut) {
  legend.add(LegendMark::Outline, Color::palette(color),
             std::string(name) + (singledOut ? kLegendSingledOut : ""));
  legend.entries.back().singledOut = singledOut;
}

}  // namespace

Legend BioChartLegend(const ChartContent& content, const ChartPeriod& period,
                      std::optional<std::size_t> singledOut) {
  Legend legend;
  if (content.data) {
    SilentSink quiet;
    const int16_t first = GetMonth(period.start, quiet);
    const int16_t last = GetMonth(period.end, quiet);
    legend.heading(kLegendDataHeading);
    legend.note(modeMeaning(period.mode));
    for (int16_t m = first; m >= 1 && m <= last; ++m) {
      legend.add(LegendMark::Dot, Color::palette(PsychroChart::GetColor_Month(m)),
                 std::to_string(m) + "월");
    }
  }
  const auto drawn = [](bool group, const auto& ticks) {
    if (!group) return false;
    for (bool on : ticks)
      if (on) return true;
    return false;
  };
  if (drawn(content.needZones, content.need)) {
    legend.heading(kLegendNeedHeading);
    for (std::size_t i = 0; i < kNeedZones.size(); ++i) {
      if (content.need[i]) addZone(legend, kNeedZoneColors[i], kNeedZones[i].name, singledOut == i);
    }
  }
  if (drawn(content.guideZones, content.guide)) {
    legend.heading(kLegendGuideHeading);
    for (std::size_t i = 0; i < kGuideZones.size(); ++i) {
      if (content.guide[i])
        addZone(legend, kGuideZoneColors[i], kGuideZones[i].caption,
                singledOut == i + kNeedZones.size());
    }
  }
  return legend;
}

}  // namespace vlm
