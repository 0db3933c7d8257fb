// Time for one shade's performance over Seoul's year on its facade, and for the
// suggested overhang (91 angles). The year's hours are placed once, as the page
// does when the mask is first drawn for a loaded year; beside them that placing.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/climate/climate_load.h"
#include "core/psychro/psychro_chart.h"
#include "core/psychro/psychrometrics.h"
#include "core/solar/shade_performance.h"

namespace {

const vlm::SolarSite kSeoul{37.5714, 126.9658, 9.0, 0};

const std::vector<vlm::WishedHour>& seoulHours() {
  static const auto hours = [] {
    auto d = std::make_unique<vlm::ClimateData>();
    vlm::Psychrometrics psychro;
    vlm::readClimateYear(*d, std::string(VLM_TEST_DATA_DIR) + "/../../resources/weather/seoul.cly",
                         psychro);
    return vlm::WishedHours(*d, vlm::SunWishes(*d, vlm::PsychroChart{}), kSeoul);
  }();
  return hours;
}

void BM_PlaceWishedHours(benchmark::State& state) {
  auto d = std::make_unique<vlm::ClimateData>();
  vlm::Psychrometrics psychro;
  vlm::readClimateYear(*d, std::string(VLM_TEST_DATA_DIR) + "/../../resources/weather/seoul.cly",
                       psychro);
  const auto wishes = vlm::SunWishes(*d, vlm::PsychroChart{});
  for (auto _ : state) benchmark::DoNotOptimize(vlm::WishedHours(*d, wishes, kSeoul));
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
