// The four computations of the seasonal-analysis page for Seoul's whole year:
// the monthly zone analysis with its stacked bars, the hour-by-day carpet,
// degree-days, and the comparison with Jeju with its chart (both years already
// loaded). Target: all four together under 5 ms.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string_view>

#include "core/climate/climate_load.h"
#include "core/climate/region_catalog.h"
#include "core/psychro/psychro_chart.h"
#include "core/psychro/psychrometrics.h"
#include "core/seasonal/carpet.h"
#include "core/seasonal/climate_comparison.h"
#include "core/seasonal/comparison_chart.h"
#include "core/seasonal/degree_days.h"
#include "core/seasonal/monthly_zones.h"
#include "core/seasonal/share_chart.h"

namespace {

std::unique_ptr<vlm::ClimateData> load(std::string_view stem) {
  auto data = std::make_unique<vlm::ClimateData>();
  vlm::Psychrometrics psychro;
  vlm::SilentSink sink;
  const auto region = vlm::regionByStem(stem);
  if (!region ||
      !vlm::LoadClimateYear(*data, vlm::builtInChoice(*region, VLM_PROGRAM_DIR), psychro, sink)) {
    std::abort();
  }
  return data;
}

struct Years {
  std::unique_ptr<vlm::ClimateData> seoul = load("seoul");
  std::unique_ptr<vlm::ClimateData> jeju = load("jeju");
};

const Years& years() {
  static const Years y;
  return y;
}

void months(const vlm::ClimateData& c) {
  vlm::SilentSink sink;
  const vlm::MonthlyZones zones = vlm::AnalyseMonths(c, vlm::PsychroChart{}, sink);
  benchmark::DoNotOptimize(vlm::BuildNeedShareChart(zones, c.RegionName).size());
}

void carpet(const vlm::ClimateData& c) {
  benchmark::DoNotOptimize(
      vlm::BuildCarpet(c, vlm::PsychroChart{}, vlm::CarpetColouring::Zone).size());
}

void degreeDays(const vlm::ClimateData& c) {
  benchmark::DoNotOptimize(
      vlm::DegreeDaysByMonth(c, vlm::kDefaultHeatingBase, vlm::kDefaultCoolingBase).year.hdd);
}

void comparison(const vlm::ClimateData& a, const vlm::ClimateData& b) {
  vlm::SilentSink sink;
  const vlm::ClimateComparison c = vlm::CompareClimates(a, b, vlm::PsychroChart{}, sink);
  benchmark::DoNotOptimize(vlm::BuildComparisonChart(c).size());
}

void BM_SeasonalMonths(benchmark::State& state) {
  for (auto _ : state) months(*years().seoul);
}
BENCHMARK(BM_SeasonalMonths)->Unit(benchmark::kMillisecond);

void BM_SeasonalCarpet(benchmark::State& state) {
  for (auto _ : state) carpet(*years().seoul);
}
BENCHMARK(BM_SeasonalCarpet)->Unit(benchmark::kMillisecond);

void BM_SeasonalDegreeDays(benchmark::State& state) {
  for (auto _ : state) degreeDays(*years().seoul);
}
BENCHMARK(BM_SeasonalDegreeDays)->Unit(benchmark::kMillisecond);

void BM_SeasonalComparison(benchmark::State& state) {
  for (auto _ : state) comparison(*years().seoul, *years().jeju);
}
BENCHMARK(BM_SeasonalComparison)->Unit(benchmark::kMillisecond);

void BM_SeasonalAllFour(benchmark::State& state) {
  const Years& y = years();
  for (auto _ : state) {
    months(*y.seoul);
    carpet(*y.seoul);
    degreeDays(*y.seoul);
    comparison(*y.seoul, *y.jeju);
  }
}
BENCHMARK(BM_SeasonalAllFour)->Unit(benchmark::kMillisecond);

}  // namespace
