// Building the Drawing of the bioclimatic chart of Seoul for the whole year by
// the hour: grid, 8760 points, all fourteen zone outlines and the labels, as
// the draw command composes it for a 600 × 450 pixel picture. Target: under
// 30 ms.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "core/analysis/chart_drawing.h"
#include "core/climate/climate_load.h"
#include "core/climate/region_catalog.h"
#include "core/psychro/psychro_chart.h"
#include "core/psychro/psychrometrics.h"

namespace {

std::unique_ptr<vlm::ClimateData> seoul() {
  auto data = std::make_unique<vlm::ClimateData>();
  vlm::Psychrometrics psychro;
  vlm::SilentSink sink;
  const auto region = vlm::regionByStem("seoul");
  if (!region ||
      !vlm::LoadClimateYear(*data, vlm::builtInChoice(*region, VLM_PROGRAM_DIR), psychro, sink)) {
    std::abort();
  }
  return data;
}

vlm::ChartContent everything() {
  vlm::ChartContent content;
  content.grid = content.data = content.needZones = content.guideZones = content.labels = true;
  content.need.fill(true);
  content.guide.fill(true);
  return content;
}

void BM_SeoulYearChart(benchmark::State& state) {
  const auto climate = seoul();
  const vlm::ChartContent content = everything();
  vlm::Psychrometrics psychro;
  vlm::PsychroChart chart;
  vlm::SilentSink sink;
  std::size_t items = 0;
  for (auto _ : state) {
    const vlm::Drawing drawing = vlm::BuildBioChart(psychro, chart, sink, content, *climate,
                                                    {vlm::PeriodMode::Hourly, 1, 8760}, 600, 450);
    items = drawing.size();
    benchmark::DoNotOptimize(items);
  }
  state.counters["items"] = static_cast<double>(items);
}
BENCHMARK(BM_SeoulYearChart)->Unit(benchmark::kMillisecond);

}  // namespace
