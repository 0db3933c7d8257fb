// vlm-cli extract CLIMATE --from --to -o FILE: the climate-data report of the
// extraction tab, CP949 text written through a temporary file.
#include <memory>

#include "cli/cli_context.h"
#include "cli/climate_arg.h"
#include "cli/commands.h"
#include "cli/output_file.h"
#include "cli/period_arg.h"
#include "core/analysis/climate_report.h"

namespace vlm::cli {
namespace {

struct ExtractArgs {
  ClimateArgs climate;
  PeriodArgs period;
  std::string path;
  bool yes = false;
};

void runExtract(Context& ctx, const ExtractArgs& args) {
  const auto loaded = loadClimate(ctx, args.climate);
  if (!loaded) return;
  const ClimateData& data = loaded->data;
  const auto period = CheckReportPeriod(data.RegionName, periodFields(args.period), ctx.sink);
  if (!period) {
    ctx.exitCode = kExitRefused;
    return;
  }
  if (!mayWrite(ctx, args.path, args.yes, overwriteQuestion(args.path))) return;
  WriteClimateReport(args.path, data, *period, ctx.sink);
  ctx.sink.show(ReportSavedMessage());
}

}  // namespace

void registerExtract(CLI::App& app, Context& ctx) {
  auto args = std::make_shared<ExtractArgs>();
  CLI::App* command = app.add_subcommand(
      "extract", "대상기간의 기후데이터를 습공기 값과 함께 텍스트 보고서(CP949)로 저장합니다");
  addClimateArguments(*command, args->climate);
  addPeriodOptions(*command, args->period);
  command->add_option("-o,--output", args->path, "저장할 보고서 파일")->required();
  command->add_flag("--yes", args->yes, "같은 이름의 파일이 있으면 묻지 않고 대체합니다");
  command->callback([&ctx, args] { guarded(ctx, [&] { runExtract(ctx, *args); }); });
}

}  // namespace vlm::cli
