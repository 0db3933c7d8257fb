#include "cli/radiation_args.h"

#include "cli/cli_context.h"
#include "core/psychro/psychro_chart.h"
#include "core/solar/radiation_site.h"

namespace vlm::cli {

void addRadiationArguments(CLI::App& command, RadiationArgs& args) {
  addClimateArguments(command, args.climate);
  addSiteOption(command, args.climate);
  command.add_option("--tilt", args.tilt, "면의 경사각(°), 0 수평 … 90 수직")->capture_default_str();
  command.add_option("--albedo", args.albedo, "지면 반사율, 0 … 1")->capture_default_str();
  command.add_option("--model", args.model, "천공 확산일사 모델: perez, isotropic")
      ->check(CLI::IsMember({"perez", "isotropic"}))
      ->capture_default_str();
}

std::optional<RadiationRun> runRadiation(Context& ctx, const RadiationArgs& args) {
  RadiationRun run;
  run.loaded = loadClimate(ctx, args.climate);
  if (!run.loaded) return std::nullopt;
  ClimateData& data = run.loaded->data;
  const RadiationOptions options{args.model == "isotropic" ? SkyModel::Isotropic : SkyModel::Perez,
                                 args.tilt, args.albedo};
  const auto site = SolarSiteOf(data, ctx.sink);
  auto result = site ? AnalyseRadiation(data, PsychroChart{}, *site, options, ctx.sink)
                     : std::nullopt;
  if (!result) {
    ctx.exitCode = kExitRefused;
    return std::nullopt;
  }
  run.result = *result;
  return run;
}

}  // namespace vlm::cli
