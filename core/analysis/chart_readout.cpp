#include "core/analysis/chart_readout.h"

#include <algorithm>
#include <cmath>

#include "core/analysis/climate_plot.h"
#include "core/climate/date_time.h"
#include "core/common/compute_error.h"
#include "core/common/format.h"
#include "core/psychro/psychro_chart.h"
#include "core/psychro/psychrometrics.h"

namespace vlm {
namespace {

// The readout computes at the chart's own pressure and never moves the Patm
// that the pages share.
Psychrometrics chartPressure() {
  Psychrometrics psychro;
  (void)SetPatm(0, psychro);
  return psychro;
}

std::string monthOf(int16_t hour) {
  SilentSink silent;
  return std::to_string(GetMonth(hour, silent)) + "월";
}

std::string monthDay(int16_t hour) {
  SilentSink silent;
  return monthOf(hour) + " " + std::to_string(GetDay(hour, silent)) + "일";
}

std::string zoneText(int16_t code) {
  const int need = NeedZoneIndex(code);
  if (need < 0) return {};
  std::string text = ", 요구 죤: " + std::string(kNeedZones[static_cast<std::size_t>(need)].name);
  std::string guides;
  for (std::size_t g = 0; g < kGuideZones.size(); ++g) {
    if (!GuideZoneCounts(g, code)) continue;
    if (!guides.empty()) guides += ", ";
    guides += kGuideZones[g].shortName;
  }
  if (!guides.empty()) text += ", 지침 죤: " + guides;
  return text;
}

// The state of a plotted hour as the analysis sees it: its own stored values.
std::optional<ZonedState> hourState(const HourRecord& h, const PsychroChart& chart) {
  if (h.DBT == kMissing || h.AH == kMissing || h.RH == kMissing || h.WBT == kMissing) {
    return std::nullopt;
  }
  ZonedState s;
  s.air.dbt = h.DBT;
  s.air.wbt = h.WBT;
  s.air.ah = h.AH;
  s.air.rh = h.RH;
  s.air.enth = chartPressure().GetEnth_DBTAH(h.DBT, h.AH);
  s.zone = GetZone(h.DBT, h.WBT, h.AH, h.RH, h.SpecV, chart);
  return s;
}

}  // namespace

std::optional<ChartPoint> ChartPointAt(const PsychroChart& chart, float x, float y) {
  if (chart.ScaleX_DBT <= 0 || chart.ScaleY_AH <= 0) return std::nullopt;
  if (!(0 <= x && x <= chart.PlotW && 0 <= y && y <= chart.PlotH)) return std::nullopt;
  // Held inside the ranges: on the plot's edge a rounding must not step out.
  const auto dbt = static_cast<float>(chart.DBTmin + static_cast<double>(x) / chart.ScaleX_DBT);
  const auto ah = static_cast<float>(chart.AHmin + static_cast<double>(y) / chart.ScaleY_AH);
  return ChartPoint{std::clamp(dbt, chart.DBTmin, chart.DBTmax),
                    std::clamp(ah, chart.AHmin, chart.AHmax)};
}

std::optional<ZonedState> AirStateAt(const PsychroChart& chart, ChartPoint p) {
  const Psychrometrics psychro = chartPressure();
  try {
    AirState s;
    s.dbt = p.dbt;
    s.ah = p.ah;
    s.rh = psychro.GetRH_DBTAH(p.dbt, p.ah);
    if (!(s.rh <= 100.0f)) return std::nullopt;
    s.enth = psychro.GetEnth_DBTAH(p.dbt, p.ah);
    s.wbt = psychro.GetWBT_DBTAH(p.dbt, p.ah);
    s.sv = psychro.GetSV_DBTAH(p.dbt, p.ah);
    return ZonedState{s, GetZone(s.dbt, s.wbt, s.ah, s.rh, s.sv, chart)};
  } catch (const ComputeError&) {
    return std::nullopt;
  }
}

std::string ZonedStateText(const ZonedState& state) {
  const AirState& s = state.air;
  return "건구온도 " + Format(s.dbt, "0.0") + "°C, 절대습도 " + Format(s.ah, "0.0000") +
         "kg/kg', 상대습도 " + Format(s.rh, "0.0") + "%, 엔탈피 " +
         Format(s.enth / 1000.0f, "0.0") + "kJ/kg, 습구온도 " + Format(s.wbt, "0.0") + "°C" +
         zoneText(state.zone);
}

PlottedPoints ListPlottedPoints(const PsychroChart& chart, const ClimateData& climate,
                                PeriodMode mode, int16_t start, int16_t end) {
  PlottedPoints plotted{mode, {}};
  const int first = std::max<int>(start, 1);
  const int last = std::min<int>(end, kHoursPerYear);
  if (mode == PeriodMode::Hourly) {
    for (int h = first; h <= last; ++h) {
      const HourRecord& hour = climate.year[static_cast<std::size_t>(h)];
      if (ChartableHour(hour, chart)) {
        plotted.points.push_back({{hour.DBT, hour.AH}, static_cast<int16_t>(h)});
      }
    }
    return plotted;
  }
  // The days or months exactly as the plot takes them, quietly: the plot has
  // already reported each hour it could not place.
  SilentSink silent;
  Drawing scratch;
  const Psychrometrics psychro = chartPressure();
  const BioChart c{scratch, chart, psychro, silent};
  const auto add = [&](int16_t from, int16_t to) {
    const auto extremes = FindExtremes(c, climate, from, to);
    if (!extremes) return;
    plotted.points.push_back({extremes->warmest, from});
    plotted.points.push_back({extremes->coolest, from});
  };
  if (mode == PeriodMode::Daily) {
    for (int d = first; d <= last; d += 24) {
      add(static_cast<int16_t>(d), static_cast<int16_t>(std::min(d + 23, last)));
    }
    return plotted;
  }
  const int16_t firstMonth = GetMonth(static_cast<int16_t>(first), silent);
  const int16_t finalMonth = GetMonth(static_cast<int16_t>(last), silent);
  if (firstMonth == -1 || finalMonth == -1) return plotted;
  for (int16_t m = firstMonth; m <= finalMonth; ++m) add(firstHourOfMonth(m), lastHourOfMonth(m));
  return plotted;
}

std::optional<std::size_t> NearestPoint(const PlottedPoints& plotted, const PsychroChart& chart,
                                        float x, float y, float reach) {
  std::optional<std::size_t> best;
  double bestDistance = static_cast<double>(reach) * reach;
  for (std::size_t i = 0; i < plotted.points.size(); ++i) {
    const ChartPoint p = plotted.points[i].at;
    const double dx = (static_cast<double>(p.dbt) - chart.DBTmin) * chart.ScaleX_DBT - x;
    const double dy = (static_cast<double>(p.ah) - chart.AHmin) * chart.ScaleY_AH - y;
    const double distance = dx * dx + dy * dy;
    if (distance <= bestDistance && (!best || distance < bestDistance)) {
      best = i;
      bestDistance = distance;
    }
  }
  return best;
}

std::string PlottedPointText(const PlottedPoints& plotted, std::size_t index,
                             const ClimateData& climate, const PsychroChart& chart) {
  const PlottedPoint& point = plotted.points.at(index);
  std::optional<ZonedState> state;
  std::string when;
  if (plotted.mode == PeriodMode::Hourly) {
    SilentSink silent;
    when = monthDay(point.hour) + " " + std::to_string(GetHour(point.hour, silent)) + "시";
    state = hourState(climate.year[static_cast<std::size_t>(point.hour)], chart);
  } else {
    when = plotted.mode == PeriodMode::Daily ? monthDay(point.hour) : monthOf(point.hour);
    state = AirStateAt(chart, point.at);
  }
  return state ? when + ": " + ZonedStateText(*state) : when;
}

std::string BioChartReadout(const PsychroChart& chart, const PlottedPoints& plotted,
                            const ClimateData& climate, float x, float y, float reach) {
  const std::optional<ChartPoint> at = ChartPointAt(chart, x, y);
  if (!at) return {};
  const std::optional<ZonedState> state = AirStateAt(chart, *at);
  const std::optional<std::size_t> near = NearestPoint(plotted, chart, x, y, reach);
  std::string text = near ? PlottedPointText(plotted, *near, climate, chart) : std::string();
  if (state) text += (text.empty() ? "" : " | ") + ZonedStateText(*state);
  return text;
}

}  // namespace vlm
