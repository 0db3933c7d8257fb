// vlm-cli report CLIMATE [--from --to] -o FILE.pdf: the climate report — cover,
// bioclimatic chart, analysis table, monthly charts, wind roses and sun path —
// as one vector PDF, drawn by the same code as the screens.
#include <chrono>
#include <memory>
#include <stdexcept>

#include "cli/cli_context.h"
#include "cli/climate_arg.h"
#include "cli/commands.h"
#include "cli/output_file.h"
#include "cli/period_arg.h"
#include "cli/picture_file.h"
#include "core/report/report_content.h"

#ifdef VLM_HAVE_RENDER
#include "render/climate_report_pdf.h"
#include "render/monthly_chart.h"
#endif

namespace vlm::cli {
namespace {

struct ReportArgs {
  ClimateArgs climate;
  PeriodArgs period;
  std::string path;
  bool yes = false;
};

void writeReport(const ReportContent& content, const std::string& path) {
#ifdef VLM_HAVE_RENDER
  render::ensureWidgetsApplication();
  render::writeClimateReport(content, path);
#else
  (void)content;
  throw std::invalid_argument("이 vlm-cli는 PDF 보고서 없이 만들어졌습니다. (" + path + ")");
#endif
}

void runReport(Context& ctx, const ReportArgs& args) {
  if (lowerExtension(args.path) != "pdf")
    throw std::invalid_argument("보고서 파일은 PDF(.pdf)입니다. (" + args.path + ")");
  const auto loaded = loadClimate(ctx, args.climate);
  if (!loaded) return;
  const auto period = checkedHourlyPeriod(ctx, loaded->data.RegionName, args.period);
  if (!period) return;
  const auto content = BuildReportContent(loaded->data, ReportSourceOf(loaded->data), period->start,
                                          period->end, IsoDate(std::chrono::system_clock::now()),
                                          VLM_VERSION_TEXT, loaded->psychro, ctx.sink);
  if (!content) {
    ctx.exitCode = kExitRefused;
    return;
  }
  if (!mayWrite(ctx, args.path, args.yes, overwriteQuestion(args.path))) return;
  writeReport(*content, args.path);
}

}  // namespace

void registerReport(CLI::App& app, Context& ctx) {
  auto args = std::make_shared<ReportArgs>();
  CLI::App* command = app.add_subcommand(
      "report",
      "기후 분석 보고서(표지, 건물생체기후도, 분석표, 월별 그래프, 풍향, 태양궤적도)를 "
      "PDF 파일로 저장합니다");
  addClimateArguments(*command, args->climate);
  addSiteOption(*command, args->climate);
  addPeriodOptions(*command, args->period);
  command->add_option("-o,--output", args->path, "보고서 파일 (.pdf)")->required();
  command->add_flag("--yes", args->yes, "같은 이름의 파일이 있으면 묻지 않고 대체합니다");
  command->callback([&ctx, args] { guarded(ctx, [&] { runReport(ctx, *args); }); });
}

}  // namespace vlm::cli
