#include "core/analysis/climate_plot.h"

#include <algorithm>
#include <string>

#include "core/climate/date_time.h"
#include "core/common/format.h"
#include "core/psychro/psychro_chart.h"

namespace vlm {
namespace {

// The period clamped to the climate year, so that a wrong caller can never
// read outside it.
int firstHour(int16_t start) { return std::max<int>(start, 1); }
int lastHour(int16_t end) { return std::min<int>(end, kHoursPerYear); }

void reportUnchartable(const BioChart& c, const ClimateData& climate, int h) {
  const auto hour = static_cast<int16_t>(h);
  const int16_t month = GetMonth(hour, c.sink);
  const int16_t day = GetDay(hour, c.sink);
  const int16_t hourOfDay = GetHour(hour, c.sink);
  c.sink.show(UnchartableHourMessage(c.chart, climate.RegionName, month, day, hourOfDay));
}

void plotPoint(BioChart& c, ChartPoint p, int16_t color) {
  const float x = c.chart.GetX_DBT(p.dbt, c.sink);
  const float y = c.chart.GetY_AH(p.ah, c.sink);
  c.drawing.circle(x, y, kPointRadius, Color::palette(color));
}

void plotExtremes(BioChart& c, const HourExtremes& e, int16_t color) {
  plotPoint(c, e.warmest, color);
  plotPoint(c, e.coolest, color);
  PieceS(c, e.warmest, e.coolest, color);
}

void plotHours(BioChart& c, const ClimateData& climate, int16_t start, int16_t end) {
  for (int h = firstHour(start); h <= lastHour(end); ++h) {
    const HourRecord& hour = climate.year[static_cast<std::size_t>(h)];
    if (!ChartableHour(hour, c.chart)) {
      reportUnchartable(c, climate, h);
      continue;
    }
    plotPoint(c, {hour.DBT, hour.AH}, PsychroChart::GetColor_Hour(static_cast<int16_t>(h)));
  }
}

void plotDays(BioChart& c, const ClimateData& climate, int16_t start, int16_t end) {
  for (int d = firstHour(start); d <= lastHour(end); d += 24) {
    const auto dayStart = static_cast<int16_t>(d);
    const auto dayEnd = static_cast<int16_t>(std::min(d + 23, lastHour(end)));
    const auto extremes = FindExtremes(c, climate, dayStart, dayEnd);
    if (extremes) plotExtremes(c, *extremes, PsychroChart::GetColor_Hour(dayStart));
  }
}

void plotMonths(BioChart& c, const ClimateData& climate, int16_t start, int16_t end) {
  const int16_t firstMonth = GetMonth(start, c.sink);
  const int16_t finalMonth = GetMonth(end, c.sink);
  if (firstMonth == -1 || finalMonth == -1) return;
  for (int16_t m = firstMonth; m <= finalMonth; ++m) {
    // A month is always taken whole, whatever day the period starts or ends on.
    const auto extremes = FindExtremes(c, climate, firstHourOfMonth(m), lastHourOfMonth(m));
    if (extremes) plotExtremes(c, *extremes, PsychroChart::GetColor_Month(m));
  }
}

}  // namespace

bool ChartableHour(const HourRecord& hour, const PsychroChart& chart) {
  return hour.DBT != kMissing && chart.DBTmin <= hour.DBT && hour.DBT <= chart.DBTmax &&
         hour.AH != kMissing && chart.AHmin <= hour.AH && hour.AH <= chart.AHmax;
}

Message UnchartableHourMessage(const PsychroChart& chart, const std::string& regionName,
                               int16_t month, int16_t day, int16_t hour) {
  const std::string range = "건구온도 범위(" + ShortestText(chart.DBTmin) +
                            "<=and<=" + ShortestText(chart.DBTmax) + "°C) 혹은 절대습도 범위(" +
                            ShortestText(chart.AHmin) + "<=and<=" + ShortestText(chart.AHmax) +
                            "kg/kg')를";
  return infoMessage({"기후데이터 파일내 건구온도, 습구온도 혹은 기상대기압 데이터가 결측이거나,",
                      range, "벗어났습니다.", "",
                      "[대상지역 : " + regionName + ", 대상시각 : " + std::to_string(month) +
                          "월 " + std::to_string(day) + "일 " + std::to_string(hour) + "시]"});
}

std::optional<HourExtremes> FindExtremes(const BioChart& c, const ClimateData& climate,
                                         int16_t first, int16_t last) {
  float maxDBT = -10000.0f;
  float maxAH = 0.0f;
  float minDBT = 10000.0f;
  float minAH = 0.0f;
  bool any = false;
  for (int h = firstHour(first); h <= lastHour(last); ++h) {
    const HourRecord& hour = climate.year[static_cast<std::size_t>(h)];
    if (!ChartableHour(hour, c.chart)) {
      reportUnchartable(c, climate, h);
      continue;
    }
    // An equal dry-bulb takes the place of the extreme; the humidity that stays
    // with it is the larger one for the warmest and the smaller for the coolest.
    if (hour.DBT >= maxDBT) {
      maxAH = (hour.DBT == maxDBT && maxAH > hour.AH) ? maxAH : hour.AH;
      maxDBT = hour.DBT;
    }
    if (hour.DBT <= minDBT) {
      minAH = (hour.DBT == minDBT && minAH < hour.AH) ? minAH : hour.AH;
      minDBT = hour.DBT;
    }
    any = true;
  }
  if (!any) return std::nullopt;
  return HourExtremes{{maxDBT, maxAH}, {minDBT, minAH}};
}

void PlotClimateData(BioChart& c, const ClimateData& climate, PeriodMode mode, int16_t start,
                     int16_t end) {
  c.drawing.setPenWidth(kThinPen);
  switch (mode) {
    case PeriodMode::Hourly:
      plotHours(c, climate, start, end);
      break;
    case PeriodMode::Daily:
      plotDays(c, climate, start, end);
      break;
    case PeriodMode::Monthly:
      plotMonths(c, climate, start, end);
      break;
  }
}

}  // namespace vlm
