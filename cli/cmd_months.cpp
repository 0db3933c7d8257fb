// vlm-cli months CLIMATE: the monthly zone analysis, each month and the year
// as the analysis tab shows a period.
#include <memory>
#include <ostream>

#include "cli/cli_context.h"
#include "cli/climate_arg.h"
#include "cli/commands.h"
#include "cli/json_output.h"
#include "cli/seasonal_json.h"
#include "core/psychro/psychro_chart.h"
#include "core/seasonal/monthly_zones.h"

namespace vlm::cli {
namespace {

void runMonths(Context& ctx, const ClimateArgs& args) {
  const auto loaded = loadClimate(ctx, args);
  if (!loaded) return;
  const MonthlyZones zones = AnalyseMonths(loaded->data, PsychroChart{}, ctx.sink);
  // A year without a zoned hour is refused as the analysis tab refuses it.
  if (!zones.columns[kYearColumn].complete) {
    ctx.exitCode = kExitRefused;
    return;
  }
  ctx.out << jsonText(monthsJson(zones, loaded->data.RegionName)) << '\n';
}

}  // namespace

void registerMonths(CLI::App& app, Context& ctx) {
  auto args = std::make_shared<ClimateArgs>();
  CLI::App* command = app.add_subcommand(
      "months", "월별과 년간 시간수를 생체기후적 요구 죤과 기후설계 지침 죤별로 분석합니다");
  addClimateArguments(*command, *args);
  command->callback([&ctx, args] { guarded(ctx, [&] { runMonths(ctx, *args); }); });
}

}  // namespace vlm::cli
