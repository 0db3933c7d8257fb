// vlm-cli analyse CLIMATE --from --to: the analysis tab of the climate-analysis
// screen for an hourly period, every text as its labels show it.
#include <memory>
#include <ostream>

#include "cli/analysis_chart.h"
#include "cli/analysis_json.h"
#include "cli/cli_context.h"
#include "cli/climate_arg.h"
#include "cli/commands.h"
#include "cli/json_output.h"
#include "cli/period_arg.h"
#include "core/analysis/analysis_summary.h"
#include "core/psychro/psychro_chart.h"

namespace vlm::cli {
namespace {

struct AnalyseArgs {
  ClimateArgs climate;
  PeriodArgs period;
};

void runAnalyse(Context& ctx, const AnalyseArgs& args) {
  const auto loaded = loadClimate(ctx, args.climate);
  if (!loaded) return;
  const auto period = checkedHourlyPeriod(ctx, loaded->data.RegionName, args.period);
  if (!period) return;
  const PsychroChart chart = analysisChart();
  const AnalysisTexts texts =
      ShowAnalysis(loaded->data, period->start, period->end, chart, ctx.sink);
  if (!texts.complete) {
    ctx.exitCode = kExitRefused;
    return;
  }
  ctx.out << jsonText(analysisJson(texts)) << '\n';
}

}  // namespace

void registerAnalyse(CLI::App& app, Context& ctx) {
  auto args = std::make_shared<AnalyseArgs>();
  CLI::App* command = app.add_subcommand(
      "analyse", "대상기간의 시간수를 생체기후적 요구 죤과 기후설계 지침 죤별로 분석합니다");
  addClimateArguments(*command, args->climate);
  addPeriodOptions(*command, args->period);
  command->callback([&ctx, args] { guarded(ctx, [&] { runAnalyse(ctx, *args); }); });
}

}  // namespace vlm::cli
