// vlm-cli compare CLIMATE CLIMATE: two climates side by side, the analysis
// tab of each for the whole year and their monthly mean dry bulb and RH.
#include <memory>
#include <ostream>

#include "cli/cli_context.h"
#include "cli/climate_arg.h"
#include "cli/commands.h"
#include "cli/json_output.h"
#include "cli/seasonal_json.h"
#include "core/psychro/psychro_chart.h"
#include "core/seasonal/climate_comparison.h"

namespace vlm::cli {
namespace {

struct CompareArgs {
  ClimateArgs a;
  ClimateArgs b;
};

void runCompare(Context& ctx, const CompareArgs& args) {
  const auto a = loadClimate(ctx, args.a);
  if (!a) return;
  const auto b = loadClimate(ctx, args.b);
  if (!b) return;
  const ClimateComparison c = CompareClimates(a->data, b->data, PsychroChart{}, ctx.sink);
  if (!c.a.complete || !c.b.complete) {
    ctx.exitCode = kExitRefused;
    return;
  }
  ctx.out << jsonText(compareJson(c)) << '\n';
}

}  // namespace

void registerCompare(CLI::App& app, Context& ctx) {
  auto args = std::make_shared<CompareArgs>();
  CLI::App* command =
      app.add_subcommand("compare", "두 기후의 년간 분석 결과와 월평균 온습도를 나란히 보입니다");
  constexpr const char* kHelp =
      "기후파일(.cly, .epw) 경로, 또는 내장 지역의 이름(서울)이나 파일명(seoul)";
  command->add_option("CLIMATE", args->a.climate, kHelp)->required();
  command->add_option("OTHER", args->b.climate, kHelp)->required();
  command->callback([&ctx, args] { guarded(ctx, [&] { runCompare(ctx, *args); }); });
}

}  // namespace vlm::cli
