// Time to compute the sun-path diagram and a shading mask over it (the work behind
// each press of the draw buttons), without painting.
#include <benchmark/benchmark.h>

#include "core/solar/shading_mask.h"
#include "core/solar/sun_path.h"

namespace {

void BM_SeoulSunPath(benchmark::State& state) {
  const vlm::SunPathGeometry g;
  vlm::SilentSink sink;
  for (auto _ : state) {
    vlm::SunPathPicture picture(g);
    vlm::DrawSunPath(picture, g, 37.34f, sink);
    benchmark::DoNotOptimize(picture.drawing.size());
  }
}
BENCHMARK(BM_SeoulSunPath)->Unit(benchmark::kMillisecond);

void BM_CombinedShadeMask(benchmark::State& state) {
  const vlm::SunPathGeometry g;
  vlm::SilentSink sink;
  vlm::MaskSummary summary;
  vlm::SummariseSite(summary, "서울", "37.34");
  vlm::SummariseShade(summary, vlm::kShadeCombined,
                      {.hvv = "40", .hvhw = "30", .hvhe = "-30", .hvs = "-10"});
  for (auto _ : state) {
    vlm::SunPathPicture picture(g);
    benchmark::DoNotOptimize(vlm::DrawShadingMask(picture, g, vlm::kShadeCombined, summary, sink));
  }
}
BENCHMARK(BM_CombinedShadeMask)->Unit(benchmark::kMillisecond);

}  // namespace
