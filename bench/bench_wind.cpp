// The wind of Seoul's summer-afternoon ventilation hours: the filter (with the
// chart's zone of every hour it reaches) and the count over the year, then
// the same with its rose drawing. Target: the filtered count of a year ≤ 1 ms.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "bench/bench_years.h"
#include "core/climate/climate_load.h"
#include "core/climate/region_catalog.h"
#include "core/psychro/psychro_chart.h"
#include "core/psychro/psychrometrics.h"
#include "core/seasonal/wind_classes.h"
#include "core/seasonal/wind_figure.h"

namespace {

const vlm::ClimateData& seoul() { return vlm::bench::seoulYear(); }

vlm::WindFilter summerAfternoons() {
  vlm::WindFilter f;
  f.months = *vlm::ParseWindMonths("6-8");
  f.fromHour = 13;
  f.toHour = 17;
  return f;
}

void BM_WindCountYear(benchmark::State& state) {
  const vlm::ClimateData& c = seoul();
  vlm::WindFilter all;  // every month and hour: the zone of all 8760 hours
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        vlm::CountWind(c, all, vlm::kDefaultWindClassEdges, vlm::PsychroChart{}).hours);
  }
}
BENCHMARK(BM_WindCountYear)->Unit(benchmark::kMicrosecond);

void BM_WindRoseSummerAfternoons(benchmark::State& state) {
  const vlm::ClimateData& c = seoul();
  const vlm::WindFilter f = summerAfternoons();
  const auto g = vlm::RoseGeometry::ForPicture(640, 480);
  for (auto _ : state) {
    const auto counts = vlm::CountWind(c, f, vlm::kDefaultWindClassEdges, vlm::PsychroChart{});
    benchmark::DoNotOptimize(vlm::BuildWindRose(g, counts, "서울").size());
  }
}
BENCHMARK(BM_WindRoseSummerAfternoons)->Unit(benchmark::kMicrosecond);

}  // namespace
