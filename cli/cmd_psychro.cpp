// vlm-cli psychro: the moist-air calculator. The options given are the ticked
// boxes and their values the texts, read as leniently as the screen reads
// them; the state is printed at 101.325 kPa. A refused input prints the
// screen's message and gives exit status 1.
#include <array>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>

#include "cli/cli_context.h"
#include "cli/commands.h"
#include "cli/json_output.h"
#include "core/psychro/pair_solution.h"
#include "core/psychro/psychrometrics.h"

namespace vlm::cli {

void registerPsychro(CLI::App& app, Context& ctx) {
  struct Args {
    CalcInputs inputs;
    std::array<CLI::Option*, kCalcInputCount> options{};
  };
  auto args = std::make_shared<Args>();
  CLI::App* command = app.add_subcommand(
      "psychro", "두 개의 값으로 습공기 상태를 계산합니다 (해수면 대기압 101.325kPa 기준)");
  const struct {
    CalcInput which;
    const char* name;
    const char* help;
  } boxes[] = {
      {CalcInput::DryBulb, "--dbt", "건구온도 ('C)"},
      {CalcInput::WetBulb, "--wbt", "습구온도 ('C)"},
      {CalcInput::AbsHumid, "--ah", "절대습도 (kg/kg')"},
      {CalcInput::RelHumid, "--rh", "상대습도 (%)"},
      {CalcInput::Enthalpy, "--enth", "엔탈피 (J/kg')"},
  };
  for (const auto& box : boxes) {
    args->options[static_cast<std::size_t>(box.which)] =
        command->add_option(box.name, args->inputs[box.which].text, box.help)
            ->allow_extra_args(false);
  }
  command->callback([&ctx, args] {
    guarded(ctx, [&] {
      CalcInputs inputs = args->inputs;
      for (std::size_t i = 0; i < kCalcInputCount; ++i) {
        inputs.boxes[i].ticked = args->options[i]->count() > 0;
      }
      Psychrometrics psychro;
      const auto state = CalculateAirState(inputs, psychro, ctx.sink);
      if (!state) {
        ctx.exitCode = kExitRefused;
        return;
      }
      nlohmann::ordered_json out;
      out["dbt"] = jsonFloat(state->dbt);
      out["wbt"] = jsonFloat(state->wbt);
      out["ah"] = jsonFloat(state->ah);
      out["rh"] = jsonFloat(state->rh);
      out["enth"] = jsonFloat(state->enth);
      out["dpt"] = jsonFloat(state->dpt);
      out["vp"] = jsonFloat(state->vp);
      out["sv"] = jsonFloat(state->sv);
      ctx.out << jsonText(out) << '\n';
    });
  });
}

}  // namespace vlm::cli
