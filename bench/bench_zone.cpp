// GetZone over the 8760 hours of a year, as the analysis of a whole year
// classifies them. The year is synthetic but plausible for a temperate
// monsoon climate: a seasonal and a daily temperature swing, humid summers and
// dry winters, derived with the property functions at standard pressure.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "core/analysis/zone.h"
#include "core/psychro/psychro_chart.h"
#include "core/psychro/psychrometrics.h"

namespace {

struct Hour {
  float dbt, wbt, ah, rh, sv;
};

std::vector<Hour> syntheticYear() {
  vlm::Psychrometrics psychro;
  psychro.SetPatm_Alt(0.0f);
  std::vector<Hour> year;
  year.reserve(8760);
  constexpr double kPi = 3.14159265358979323846;
  for (int hour = 0; hour < 8760; ++hour) {
    const double season = std::cos(2.0 * kPi * (hour / 24.0 - 200.0) / 365.0);  // 1 in July
    const double day = std::cos(2.0 * kPi * ((hour % 24) - 15.0) / 24.0);       // 1 at 15 h
    const double noise = std::sin(hour * 12.9898) * 1.5;
    const float dbt = static_cast<float>(12.0 + 14.0 * season + 4.0 * day + noise);
    const float rh = static_cast<float>(65.0 + 15.0 * season - 15.0 * day + 5.0 * noise);
    const float ah = psychro.GetAH_DBTRH(dbt, rh);
    year.push_back({dbt, psychro.GetWBT_DBTAH(dbt, ah), ah, rh, psychro.GetSV_DBTAH(dbt, ah)});
  }
  // A few missing hours, as real files have.
  for (int hour = 100; hour < 8760; hour += 997) year[static_cast<std::size_t>(hour)].dbt = 999.0f;
  return year;
}

void BM_GetZoneYear(benchmark::State& state) {
  const std::vector<Hour> year = syntheticYear();
  vlm::PsychroChart chart;
  chart.SetChartScale(700.0f, 500.0f);
  for (auto _ : state) {
    std::int32_t tally = 0;
    for (const Hour& h : year) tally += vlm::GetZone(h.dbt, h.wbt, h.ah, h.rh, h.sv, chart);
    benchmark::DoNotOptimize(tally);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(year.size()));
}
BENCHMARK(BM_GetZoneYear)->Unit(benchmark::kMicrosecond);

}  // namespace
