// Time to put Seoul's year on the 36 orientations and the horizontal, with each
// hour's sun and split, under both sky models; beside it the floor of merely
// reading the year's radiation.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "core/climate/climate_load.h"
#include "core/psychro/psychro_chart.h"
#include "core/psychro/psychrometrics.h"
#include "core/solar/radiation_year.h"

namespace {

const vlm::ClimateData& seoul() {
  static const auto data = [] {
    auto d = std::make_unique<vlm::ClimateData>();
    vlm::Psychrometrics psychro;
    vlm::readClimateYear(*d, std::string(VLM_TEST_DATA_DIR) + "/../../resources/weather/seoul.cly",
                         psychro);
    return d;
  }();
  return *data;
}

void BM_ReadYearRadiation(benchmark::State& state) {
  const vlm::ClimateData& year = seoul();
  for (auto _ : state) {
    double sum = 0;
    for (int h = 1; h <= vlm::kHoursPerYear; ++h) {
      const float r = year.year[static_cast<std::size_t>(h)].Radiation;
      if (r != vlm::kRadiationMissing) sum += r;
    }
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_ReadYearRadiation)->Unit(benchmark::kMillisecond);

// The zones are classified once, as the page does for a loaded year.
void BM_RoseBothModels(benchmark::State& state) {
  const vlm::ClimateData& year = seoul();
  const vlm::PsychroChart chart;
  const auto wishes = vlm::SunWishes(year, chart);
  for (auto _ : state) {
    const vlm::PreparedYear prepared = vlm::PrepareYear(year, wishes, {37.5714, 126.9658, 9.0, 0});
    for (vlm::SkyModel model : {vlm::SkyModel::Isotropic, vlm::SkyModel::Perez}) {
      for (int i = 0; i < vlm::kRadiationOrientations; ++i) {
        benchmark::DoNotOptimize(
            vlm::PlaneTotals(prepared, vlm::MakePlane(vlm::OrientationAzimuth(i), 90), model, 0.2));
      }
      benchmark::DoNotOptimize(vlm::PlaneTotals(prepared, vlm::MakePlane(0, 0), model, 0.2));
    }
  }
}
BENCHMARK(BM_RoseBothModels)->Unit(benchmark::kMillisecond);

}  // namespace
