// vlm-cli shading CLIMATE --type 1|2|3 [--v] [--hw] [--he] --s S [--site]: how
// the shade performs over the year on its facade, month by month and for the
// year, and the horizontal shade's angle that serves the facade best.
#include <memory>
#include <optional>

#include "cli/cli_context.h"
#include "cli/commands.h"
#include "cli/json_output.h"
#include "cli/sun_path_climate.h"
#include "core/solar/shade_performance.h"
#include "core/solar/shading_mask.h"

namespace vlm::cli {
namespace {

struct ShadingArgs {
  ClimateArgs climate;
  int16_t type = kShadeCombined;
  std::string v, hw, he, s;
};

nlohmann::ordered_json shadeShareJson(const std::optional<double>& share) {
  if (!share) return nullptr;
  return jsonFloat(static_cast<float>(*share));
}

nlohmann::ordered_json shadeTallyJson(const ShadeTally& t) {
  return {{"unwantedHours", t.unwantedHours},
          {"unwantedShadedHours", t.unwantedShadedHours},
          {"unwantedBeam", jsonFloat(t.unwantedBeam)},
          {"unwantedBeamBlocked", jsonFloat(t.unwantedBeamBlocked)},
          {"wantedHours", t.wantedHours},
          {"wantedSunlitHours", t.wantedSunlitHours},
          {"wantedBeam", jsonFloat(t.wantedBeam)},
          {"wantedBeamAdmitted", jsonFloat(t.wantedBeamAdmitted)}};
}

// An angle the type does not use is null.
nlohmann::ordered_json shadeAnglesJson(int16_t type, const ShadeAngles& a) {
  const bool overhang = type != kShadeVertical;
  const bool fins = type != kShadeHorizontal;
  const auto angle = [](bool used, float value) -> nlohmann::ordered_json {
    if (!used) return nullptr;
    return jsonFloat(value);
  };
  return {{"type", type},
          {"v", angle(overhang, a.v)},
          {"hw", angle(fins, a.hw)},
          {"he", angle(fins, a.he)},
          {"s", jsonFloat(a.s)}};
}

void runShading(Context& ctx, const ShadingArgs& args) {
  MaskSummary summary;
  SummariseShade(summary, args.type, InputsOfType(args.type, args.v, args.hw, args.he, args.s));
  const std::optional<ShadeAngles> angles = ReadShadeAngles(args.type, summary, ctx.sink);
  if (!angles) {
    ctx.exitCode = kExitRefused;
    return;
  }
  const std::optional<SunPathClimate> climate = loadSunPathClimate(ctx, args.climate);
  if (!climate) return;
  const std::vector<FacadeHour> hours = FacadeHours(climate->hours, angles->s);
  const ShadePerformance performance = PerformanceOf(hours, Shade::Of(args.type, *angles));
  const OverhangSuggestion suggestion = SuggestOverhang(hours);

  nlohmann::ordered_json result;
  result["site"] = {{"name", climate->site.name},
                    {"latitude", climate->site.latitude},
                    {"longitude", climate->site.longitude},
                    {"utcOffset", climate->site.utcOffset}};
  result["shade"] = shadeAnglesJson(args.type, *angles);
  nlohmann::ordered_json months = nlohmann::ordered_json::array();
  for (std::size_t m = 0; m < performance.months.size(); ++m) {
    nlohmann::ordered_json month = {{"month", m + 1}};
    month.update(shadeTallyJson(performance.months[m]));
    months.push_back(month);
  }
  result["months"] = months;
  result["year"] = shadeTallyJson(performance.year);
  result["suggestedV"] = suggestion.v;
  result["suggestedShares"] = {{"unwantedBeamBlocked", shadeShareJson(suggestion.unwantedBeamBlocked)},
                               {"wantedBeamAdmitted", shadeShareJson(suggestion.wantedBeamAdmitted)}};
  ctx.out << jsonText(result) << '\n';
}

}  // namespace

void registerShading(CLI::App& app, Context& ctx) {
  auto args = std::make_shared<ShadingArgs>();
  CLI::App* command = app.add_subcommand(
      "shading", "차양이 한 해 동안 태양열차단 시간의 일사를 막고 태양열획득 시간의 일사를 "
                 "들이는 정도를 계산합니다");
  addClimateArguments(*command, args->climate);
  command->add_option("--type", args->type, "차양종류: 1 수평차양, 2 수직차양, 3 수평수직차양")
      ->required();
  command->add_option("--v", args->v, "수직음영각 (°)");
  command->add_option("--hw", args->hw, "서향 수평음영각 (°)");
  command->add_option("--he", args->he, "동향 수평음영각 (°)");
  command->add_option("--s", args->s, "면방위각 (°, 남 0, 동 -, 서 +)")->required();
  addSiteOption(*command, args->climate);
  command->callback([&ctx, args] { guarded(ctx, [&] { runShading(ctx, *args); }); });
}

}  // namespace vlm::cli
