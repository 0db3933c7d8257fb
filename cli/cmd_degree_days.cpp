// vlm-cli degree-days CLIMATE [--heating-base B] [--cooling-base B]: heating and
// cooling degree-days of each month and the year from the hourly dry bulb.
// The bases are read and checked as the page's boxes read them.
#include <memory>
#include <ostream>
#include <string>

#include "cli/cli_context.h"
#include "cli/climate_arg.h"
#include "cli/commands.h"
#include "cli/json_output.h"
#include "cli/seasonal_json.h"
#include "core/seasonal/degree_days.h"

namespace vlm::cli {
namespace {

struct DegreeDayArgs {
  ClimateArgs climate;
  std::string heatingBase = "18";
  std::string coolingBase = "24";
};

void runDegreeDays(Context& ctx, const DegreeDayArgs& args) {
  const auto heating = ReadDegreeDayBase(DegreeDayBase::Heating, args.heatingBase, ctx.sink);
  if (!heating) {
    ctx.exitCode = kExitRefused;
    return;
  }
  const auto cooling = ReadDegreeDayBase(DegreeDayBase::Cooling, args.coolingBase, ctx.sink);
  if (!cooling) {
    ctx.exitCode = kExitRefused;
    return;
  }
  const auto loaded = loadClimate(ctx, args.climate);
  if (!loaded) return;
  ctx.out << jsonText(degreeDaysJson(DegreeDaysByMonth(loaded->data, *heating, *cooling))) << '\n';
}

}  // namespace

void registerDegreeDays(CLI::App& app, Context& ctx) {
  auto args = std::make_shared<DegreeDayArgs>();
  CLI::App* command = app.add_subcommand(
      "degree-days", "월별과 년간 난방도일, 냉방도일을 시간별 건구온도로 계산합니다");
  addClimateArguments(*command, args->climate);
  command->add_option("--heating-base", args->heatingBase, "난방도일의 기준온도(°C), 5 … 30")
      ->capture_default_str();
  command->add_option("--cooling-base", args->coolingBase, "냉방도일의 기준온도(°C), 10 … 40")
      ->capture_default_str();
  command->callback([&ctx, args] { guarded(ctx, [&] { runDegreeDays(ctx, *args); }); });
}

}  // namespace vlm::cli
