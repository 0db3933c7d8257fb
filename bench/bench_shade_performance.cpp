// Time for one shade's performance over Seoul's year on its facade, and for the
// suggested overhang (91 angles). The year's hours are placed once, as the page
// does when the mask is first drawn for a loaded year; beside them that placing.
#include <benchmark/benchmark.h>

#include "bench/bench_years.h"
#include "core/psychro/psychro_chart.h"
#include "core/solar/radiation_site.h"
#include "core/solar/shade_performance.h"

namespace {

vlm::SolarSite seoulSite() {
  vlm::SilentSink sink;
  return *vlm::SolarSiteOf(vlm::bench::seoulYear(), sink);
}

const std::vector<vlm::WishedHour>& seoulHours() {
  static const auto hours = [] {
    const vlm::ClimateData& d = vlm::bench::seoulYear();
    return vlm::WishedHours(d, vlm::SunWishes(d, vlm::PsychroChart{}), seoulSite());
  }();
  return hours;
}

void BM_PlaceWishedHours(benchmark::State& state) {
  const vlm::ClimateData& d = vlm::bench::seoulYear();
  const auto wishes = vlm::SunWishes(d, vlm::PsychroChart{});
  const vlm::SolarSite site = seoulSite();
  for (auto _ : state) benchmark::DoNotOptimize(vlm::WishedHours(d, wishes, site));
}
BENCHMARK(BM_PlaceWishedHours)->Unit(benchmark::kMillisecond);

void BM_OneShadeOverTheYear(benchmark::State& state) {
  const auto& hours = seoulHours();
  const vlm::Shade shade = vlm::Shade::Of(vlm::kShadeCombined, {45, 30, -30, 10});
  for (auto _ : state) {
    benchmark::DoNotOptimize(vlm::PerformanceOf(vlm::FacadeHours(hours, 10), shade));
  }
}
BENCHMARK(BM_OneShadeOverTheYear)->Unit(benchmark::kMillisecond);

void BM_SuggestedOverhang(benchmark::State& state) {
  const auto& hours = seoulHours();
  for (auto _ : state) benchmark::DoNotOptimize(vlm::SuggestOverhang(vlm::FacadeHours(hours, 10)));
}
BENCHMARK(BM_SuggestedOverhang)->Unit(benchmark::kMillisecond);

}  // namespace
