// Fuzzes what a loaded year is drawn and reported with: the chart plot in its
// three modes and the daily extremes, the monthly charts, the wind rose and
// the climate-data report.
//
// The first two bytes choose the hour of the year (little-endian, modulo
// 8760) at which the rest's whole 26-byte records begin, at most three days
// of them, so that plots cross the ends of days, months and the year. Each of
// those hours is derived as the load derives it, whatever its fields hold.
// Drawing and reporting cost far more per hour than reading, so a short
// period keeps this target exploring, and the monthly charts and the rose,
// whose tables take a pass over the whole year, come on one input in 16;
// fuzz_cly reads the hours alone.
//
// Besides the sanitizers, the target checks what the report promises: its
// header and one CR LF line per hour of the period.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/analysis/bio_chart.h"
#include "core/analysis/climate_plot.h"
#include "core/analysis/climate_report.h"
#include "core/climate/climate_load.h"
#include "core/climate/climate_stats.h"
#include "core/climate/date_time.h"
#include "core/climate/region_catalog.h"
#include "core/common/compute_error.h"
#include "core/draw/drawing.h"
#include "core/graphs/monthly_chart.h"
#include "core/graphs/wind_rose.h"
#include "core/psychro/psychro_chart.h"
#include "fuzz/cly_fuzz_input.h"

namespace {

using vlm::fuzz::require;

constexpr int kMostHours = 72;
constexpr std::size_t kReportHeaderLines = 18;
// The monthly charts and the rose draw tables computed from all 8760 hours,
// which costs more than the rest of an input together.
constexpr std::size_t kGraphsShare = 16;

struct Period {
  int16_t start = 0, end = 0;
};

// Hours start … end from the records; a fault in a derivation stops there,
// as the load does, and the period ends with the hour before it.
Period storeHours(vlm::ClimateData& climate, int16_t start, std::string_view records,
                  vlm::Psychrometrics& psychro) {
  const int held = std::min<int>(static_cast<int>(records.size()) / vlm::kRecordSize, kMostHours);
  const int end = std::min(vlm::kHoursPerYear, start + held - 1);
  Period period{start, static_cast<int16_t>(start - 1)};
  for (int k = start; k <= end; ++k) {
    const auto at = static_cast<std::size_t>(k - start) * vlm::kRecordSize;
    vlm::HourRecord& hour = climate.year[static_cast<std::size_t>(k)];
    hour = vlm::hourOf(vlm::decodeRecord(records.substr(at, vlm::kRecordSize)));
    try {
      vlm::deriveHour(hour, psychro);
    } catch (const vlm::ComputeError&) {
      break;
    }
    period.end = static_cast<int16_t>(k);
  }
  return period;
}

void drawChart(const vlm::ClimateData& climate, const Period& p, vlm::Psychrometrics& psychro) {
  vlm::RecordingSink sink;
  vlm::PsychroChart chart;
  vlm::Drawing drawing(chart.SetChartScale(600, 450));
  vlm::BioChart bio{drawing, chart, psychro, sink};
  try {
    for (const auto mode :
         {vlm::PeriodMode::Hourly, vlm::PeriodMode::Daily, vlm::PeriodMode::Monthly})
      vlm::PlotClimateData(bio, climate, mode, p.start, p.end);
    (void)vlm::FindExtremes(bio, climate, p.start, p.end);
  } catch (const vlm::ComputeError&) {
    // A fault in the chart's arithmetic is reported by the page's guard.
  }
}

void drawGraphs(vlm::ClimateData& climate, const Period& p) {
  vlm::ComputeMonthStats(climate);
  vlm::CountWindDirs(climate);
  vlm::RecordingSink sink;
  for (const auto element : {vlm::MonthlyElement::DBT, vlm::MonthlyElement::RH,
                             vlm::MonthlyElement::Rad, vlm::MonthlyElement::WS})
    (void)vlm::PrepareMonthlyChart(climate.RegionName, element, climate, true, sink);
  const auto geometry = vlm::RoseGeometry::ForPicture(600, 500);
  const int16_t month = vlm::GetMonth(p.start, sink);
  for (const auto period : {vlm::RosePeriod::Month(month), vlm::RosePeriod::Year()})
    (void)vlm::RoseDrawing(geometry, vlm::RoseCounts::Of(climate.WindDirCount, period));
}

void report(const vlm::ClimateData& climate, const Period& p) {
  vlm::RecordingSink sink;
  vlm::ReportPeriod period;
  period.typed = {vlm::GetMonth(p.start, sink), vlm::GetDay(p.start, sink),
                  vlm::GetHour(p.start, sink),  vlm::GetMonth(p.end, sink),
                  vlm::GetDay(p.end, sink),     vlm::GetHour(p.end, sink)};
  period.start = p.start;
  period.end = p.end;
  try {
    const std::string bytes = vlm::ClimateReportBytes(climate, period, sink);
    std::size_t lines = 0;
    for (auto at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2))
      ++lines;
    require(lines == kReportHeaderLines + static_cast<std::size_t>(p.end - p.start + 1));
  } catch (const vlm::ComputeError&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const auto start = static_cast<int16_t>((data[0] | data[1] << 8) % vlm::kHoursPerYear + 1);
  const std::string_view records(reinterpret_cast<const char*>(data) + 2, size - 2);
  // A year is 420 KB: kept off the stack, and only the hours an input set are
  // cleared after it.
  static vlm::ClimateData climate;
  climate.RegionName = vlm::kOtherRegionName;
  vlm::Psychrometrics psychro;
  const Period period = storeHours(climate, start, records, psychro);
  if (period.end >= period.start) {
    drawChart(climate, period, psychro);
    if (vlm::fuzz::inShare(records, kGraphsShare)) drawGraphs(climate, period);
    report(climate, period);
  }
  std::fill_n(climate.year.begin() + start, std::min(kMostHours, vlm::kHoursPerYear - start + 1),
              vlm::HourRecord{});
  return 0;
}
