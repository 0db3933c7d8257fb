// Painting the full-year hourly bioclimatic chart of Seoul (grid, 8760 points,
// all fourteen zones, labels) onto a 1200 × 900 image. Target: under 60 ms.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <memory>

#include "core/analysis/chart_drawing.h"
#include "core/climate/climate_load.h"
#include "core/climate/region_catalog.h"
#include "core/psychro/psychro_chart.h"
#include "core/psychro/psychrometrics.h"
#include "render/drawing_export.h"

namespace {

vlm::Drawing seoulChart() {
  auto data = std::make_unique<vlm::ClimateData>();
  vlm::Psychrometrics psychro;
  vlm::SilentSink sink;
  const auto region = vlm::regionByStem("seoul");
  if (!region ||
      !vlm::LoadClimateYear(*data, vlm::builtInChoice(*region, VLM_PROGRAM_DIR), psychro, sink)) {
    std::abort();
  }
  vlm::ChartContent content;
  content.grid = content.data = content.needZones = content.guideZones = content.labels = true;
  content.need.fill(true);
  content.guide.fill(true);
  vlm::PsychroChart chart;
  return vlm::BuildBioChart(psychro, chart, sink, content, *data,
                            {vlm::PeriodMode::Hourly, 1, 8760}, 1200, 900);
}

void BM_RenderSeoulYearChart(benchmark::State& state) {
  vlm::render::ensureGuiApplication();
  const vlm::Drawing drawing = seoulChart();
  QImage image(1200, 900, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter painter(&image);
    // As the screen's picture paints it.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    vlm::render::paintDrawing(painter, drawing, QRectF(0, 0, 1200, 900));
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_RenderSeoulYearChart)->Unit(benchmark::kMillisecond);

// Encoding the painted chart as PNG at the export's quality (target: under
// 50 ms), beside the writer's default level as the anchor.
void encodePng(benchmark::State& state, int quality) {
  vlm::render::ensureGuiApplication();
  const vlm::Drawing drawing = seoulChart();
  QImage image(1200, 900, QImage::Format_ARGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    vlm::render::paintDrawing(painter, drawing, QRectF(0, 0, 1200, 900));
  }
  for (auto _ : state) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG", quality)) state.SkipWithError("not encoded");
    state.counters["bytes"] = static_cast<double>(bytes.size());
  }
}
void BM_EncodeSeoulYearChartPng(benchmark::State& state) {
  encodePng(state, vlm::render::kPngQuality);
}
BENCHMARK(BM_EncodeSeoulYearChartPng)->Unit(benchmark::kMillisecond);
void BM_EncodeSeoulYearChartPngDefaultLevel(benchmark::State& state) { encodePng(state, -1); }
BENCHMARK(BM_EncodeSeoulYearChartPngDefaultLevel)->Unit(benchmark::kMillisecond);

}  // namespace
