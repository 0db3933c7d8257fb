// The comfort models over Seoul's whole year: PMV for every hour (target
// ≤ 10 ms) and the adaptive classification with its running mean (≤ 1 ms).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "bench/bench_years.h"
#include "core/climate/climate_load.h"
#include "core/climate/region_catalog.h"
#include "core/comfort/comfort_year.h"
#include "core/psychro/psychrometrics.h"

namespace {

const vlm::ClimateData& seoul() { return vlm::bench::seoulYear(); }

void classify(benchmark::State& state, vlm::ComfortModel model) {
  const vlm::ClimateData& c = seoul();
  vlm::ComfortSettings settings;
  settings.model = model;
  for (auto _ : state) benchmark::DoNotOptimize(vlm::ClassifyComfortYear(c, settings).year.below);
}

void BM_ComfortPmvYear(benchmark::State& state) { classify(state, vlm::ComfortModel::Pmv); }
BENCHMARK(BM_ComfortPmvYear)->Unit(benchmark::kMillisecond);

void BM_ComfortAshraeAdaptiveYear(benchmark::State& state) {
  classify(state, vlm::ComfortModel::AshraeAdaptive);
}
BENCHMARK(BM_ComfortAshraeAdaptiveYear)->Unit(benchmark::kMicrosecond);

void BM_ComfortEnAdaptiveYear(benchmark::State& state) {
  classify(state, vlm::ComfortModel::EnAdaptive);
}
BENCHMARK(BM_ComfortEnAdaptiveYear)->Unit(benchmark::kMicrosecond);

}  // namespace
