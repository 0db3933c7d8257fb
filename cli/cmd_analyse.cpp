// vlm-cli analyse CLIMATE --from --to: the analysis tab of the climate-analysis
// screen for an hourly period, every text as its labels show it.
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/cli_context.h"
#include "cli/climate_arg.h"
#include "cli/commands.h"
#include "cli/json_output.h"
#include "cli/period_arg.h"
#include "core/analysis/analysis_summary.h"
#include "core/analysis/period.h"
#include "core/analysis/zone.h"
#include "core/psychro/psychro_chart.h"

namespace vlm::cli {
namespace {

using nlohmann::ordered_json;

struct AnalyseArgs {
  ClimateArgs climate;
  PeriodArgs period;
};

ordered_json row(std::string_view caption, const AnalysisRow& r) {
  return {{"caption", caption}, {"hours", r.hours}, {"percent", r.percent}, {"rank", r.rank}};
}

ordered_json toJson(const AnalysisTexts& t) {
  ordered_json out;
  out["region"] = t.summary[0];
  out["periodText"] = t.summary[2];
  ordered_json tally = ordered_json::object();
  for (std::size_t slot = 0; slot < t.tally.size(); ++slot) {
    tally[std::to_string(TallyCode(slot))] = static_cast<long>(t.tally[slot]);
  }
  out["tally"] = tally;
  constexpr std::array<const char*, 3> kSummaryCaptions{"대상지역 :", "기후파일 :", "대상기간 :"};
  out["summary"] = ordered_json::array();
  for (std::size_t i = 0; i < 3; ++i) {
    out["summary"].push_back({{"caption", kSummaryCaptions[i]}, {"value", t.summary[i]}});
  }
  out["errors"] = ordered_json::array();
  for (std::size_t i = 0; i < 3; ++i) {
    out["errors"].push_back({{"caption", kErrorRowCaptions[i]}, {"hours", t.errors[i]}});
  }
  out["need"] = ordered_json::array();
  for (std::size_t i = 0; i < kNeedZones.size(); ++i)
    out["need"].push_back(row(kNeedZones[i].name, t.need[i]));
  out["need"].push_back(row(kNeedTotalCaption, t.need[5]));
  out["guide"] = ordered_json::array();
  for (std::size_t i = 0; i < kGuideZones.size(); ++i) {
    out["guide"].push_back(row(kGuideZones[i].caption, t.guide[i]));
  }
  out["mostImportant"] = t.mostImportant;
  return out;
}

void runAnalyse(Context& ctx, const AnalyseArgs& args) {
  const auto loaded = loadClimate(ctx, args.climate);
  if (!loaded) return;
  PeriodFields fields;
  fields.hourly = periodFields(args.period);
  int16_t start = 0;
  int16_t end = 0;
  if (SetPeriod(loaded->data.RegionName, PeriodMode::Hourly, fields, start, end, ctx.sink) != 1) {
    ctx.exitCode = kExitRefused;
    return;
  }
  // The zones read the chart's ranges, which the draw command sets first.
  PsychroChart chart;
  chart.SetChartScale(9000.0f, 6750.0f);
  const AnalysisTexts texts = ShowAnalysis(loaded->data, start, end, chart, ctx.sink);
  if (!texts.complete) {
    ctx.exitCode = kExitRefused;
    return;
  }
  ctx.out << jsonText(toJson(texts)) << '\n';
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
