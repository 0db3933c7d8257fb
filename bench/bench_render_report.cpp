// Writing the climate report of Seoul's full year: the content from the core
// (analysis, chart, monthly charts, roses, sun path) and the A4 vector PDF with
// its embedded font. Target: under 1 s.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

#include "core/climate/climate_load.h"
#include "core/climate/region_catalog.h"
#include "core/report/report_content.h"
#include "render/climate_report_pdf.h"
#include "render/monthly_chart.h"

namespace {

struct Seoul {
  vlm::ClimateData data;
  vlm::Psychrometrics psychro;
};

std::unique_ptr<Seoul> loadSeoul() {
  auto seoul = std::make_unique<Seoul>();
  vlm::SilentSink sink;
  const auto region = vlm::regionByStem("seoul");
  if (!region || !vlm::LoadClimateYear(seoul->data, vlm::builtInChoice(*region, VLM_PROGRAM_DIR),
                                       seoul->psychro, sink)) {
    std::abort();
  }
  return seoul;
}

void BM_WriteSeoulYearReport(benchmark::State& state) {
  vlm::render::ensureWidgetsApplication();
  const auto seoul = loadSeoul();
  QTemporaryDir dir;
  const std::string path = dir.filePath("seoul.pdf").toStdString();
  for (auto _ : state) {
    vlm::SilentSink sink;
    const auto content = vlm::BuildReportContent(seoul->data, vlm::ReportSourceOf(seoul->data), 1,
                                                 8760, "2026-12-08", "1.0.0", seoul->psychro, sink);
    if (!content) std::abort();
    vlm::render::writeClimateReport(*content, path);
  }
}
BENCHMARK(BM_WriteSeoulYearReport)->Unit(benchmark::kMillisecond);

}  // namespace
