// vlm-cli zone: the zone code of one hour on the bioclimatic chart, at the
// chart's standard ranges (−20 … 50 °C, 0 … 0.03 kg/kg').
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/cli_context.h"
#include "cli/commands.h"
#include "cli/json_output.h"
#include "core/analysis/zone.h"
#include "core/psychro/psychro_chart.h"

namespace vlm::cli {

void registerZone(CLI::App& app, Context& ctx) {
  struct Args {
    float dbt = 0.0f, wbt = 0.0f, ah = 0.0f, rh = 0.0f, sv = 0.0f;
  };
  auto args = std::make_shared<Args>();
  CLI::App* command =
      app.add_subcommand("zone", "한 시각의 기후값이 속하는 건물생체기후도의 죤 코드를 구합니다");
  command->add_option("--dbt", args->dbt, "건구온도 ('C), 결측 999")->required();
  command->add_option("--wbt", args->wbt, "습구온도 ('C), 결측 999")->required();
  command->add_option("--ah", args->ah, "절대습도 (kg/kg'), 결측 999")->required();
  command->add_option("--rh", args->rh, "상대습도 (%)")->required();
  command->add_option("--sv", args->sv, "비체적 (m^3/kg')")->required();
  command->callback([&ctx, args] {
    guarded(ctx, [&] {
      const PsychroChart chart;
      const int16_t code = GetZone(args->dbt, args->wbt, args->ah, args->rh, args->sv, chart);
      nlohmann::ordered_json out;
      out["code"] = code;
      ctx.out << jsonText(out) << '\n';
    });
  });
}

}  // namespace vlm::cli
