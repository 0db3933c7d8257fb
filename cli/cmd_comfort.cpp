// vlm-cli comfort CLIMATE --model …: the hours of each month and the year
// below, within and above a comfort model's band, the outdoor dry bulb taken
// as the operative temperature of a free-running building.
// vlm-cli pmv --dbt T --rh RH …: PMV and PPD of one state by ISO 7730.
// Every box is read by the lenient number rule and checked against its range
// before anything is computed, as the page reads them.
#include <map>
#include <memory>
#include <ostream>
#include <string>

#include "cli/cli_context.h"
#include "cli/climate_arg.h"
#include "cli/commands.h"
#include "cli/json_output.h"
#include "core/comfort/comfort_year.h"
#include "core/comfort/pmv.h"

namespace vlm::cli {
namespace {

struct ComfortCommandArgs {
  ClimateArgs climate;
  std::string model;
  std::string met = "1.1", clo = "0.5", airSpeed = "0.1";
};

struct PmvCommandArgs {
  std::string dbt, rh, mrt, airSpeed = "0.1", met = "1.1", clo = "0.5";
};

const std::map<std::string, ComfortModel> kComfortModelNames = {
    {"ashrae-adaptive", ComfortModel::AshraeAdaptive},
    {"en-adaptive", ComfortModel::EnAdaptive},
    {"pmv", ComfortModel::Pmv},
};

nlohmann::ordered_json comfortWithinJson(ComfortModel model, const ComfortTally& t) {
  switch (model) {
    case ComfortModel::AshraeAdaptive:
      return {{"80", t.within[1]}, {"90", t.within[0]}};
    case ComfortModel::EnAdaptive:
      return {{"I", t.within[0]}, {"II", t.within[1]}, {"III", t.within[2]}};
    case ComfortModel::Pmv:
      break;
  }
  return t.within[0];
}

nlohmann::ordered_json comfortTallyJson(ComfortModel model, const ComfortTally& t) {
  return {{"below", t.below},
          {"within", comfortWithinJson(model, t)},
          {"above", t.above},
          {"outside", t.outside},
          {"missing", t.missing}};
}

bool readComfortSettings(Context& ctx, const ComfortCommandArgs& args, ComfortSettings& settings) {
  settings.model = kComfortModelNames.at(args.model);
  if (settings.model != ComfortModel::Pmv) return true;
  const auto met = ReadPmvBox(PmvBox::Met, args.met, ctx.sink);
  const auto clo = met ? ReadPmvBox(PmvBox::Clo, args.clo, ctx.sink) : std::nullopt;
  const auto speed = clo ? ReadPmvBox(PmvBox::AirSpeed, args.airSpeed, ctx.sink) : std::nullopt;
  if (!speed) return false;
  settings.met = *met;
  settings.clo = *clo;
  settings.airSpeed = *speed;
  return true;
}

void runComfort(Context& ctx, const ComfortCommandArgs& args) {
  ComfortSettings settings;
  if (!readComfortSettings(ctx, args, settings)) {
    ctx.exitCode = kExitRefused;
    return;
  }
  const auto loaded = loadClimate(ctx, args.climate);
  if (!loaded) return;
  const ComfortYear year = ClassifyComfortYear(loaded->data, settings);
  nlohmann::ordered_json out;
  out["region"] = loaded->data.RegionName;
  out["model"] = args.model;
  out["months"] = nlohmann::ordered_json::array();
  for (int m = 0; m < 12; ++m) {
    nlohmann::ordered_json month = {{"month", m + 1}};
    month.update(comfortTallyJson(settings.model, year.months[static_cast<std::size_t>(m)]));
    out["months"].push_back(month);
  }
  out["year"] = comfortTallyJson(settings.model, year.year);
  ctx.out << jsonText(out) << '\n';
}

void runPmv(Context& ctx, const PmvCommandArgs& args) {
  const auto dbt = ReadPmvBox(PmvBox::AirTemperature, args.dbt, ctx.sink);
  const auto mrt =
      dbt ? ReadPmvBox(PmvBox::RadiantTemperature, args.mrt.empty() ? args.dbt : args.mrt, ctx.sink)
          : std::nullopt;
  const auto rh = mrt ? ReadPmvBox(PmvBox::Humidity, args.rh, ctx.sink) : std::nullopt;
  const auto speed = rh ? ReadPmvBox(PmvBox::AirSpeed, args.airSpeed, ctx.sink) : std::nullopt;
  const auto met = speed ? ReadPmvBox(PmvBox::Met, args.met, ctx.sink) : std::nullopt;
  const auto clo = met ? ReadPmvBox(PmvBox::Clo, args.clo, ctx.sink) : std::nullopt;
  if (!clo) {
    ctx.exitCode = kExitRefused;
    return;
  }
  const double pa = *rh / 100.0 * Iso7730SaturationPressure(*dbt);
  const PmvResult r = ComputePmv({*dbt, *mrt, *speed, pa, *met, *clo});
  nlohmann::ordered_json out;
  out["pmv"] = jsonFloat(static_cast<float>(r.pmv));
  out["ppd"] = jsonFloat(static_cast<float>(r.ppd));
  ctx.out << jsonText(out) << '\n';
}

}  // namespace

void registerComfort(CLI::App& app, Context& ctx) {
  auto args = std::make_shared<ComfortCommandArgs>();
  CLI::App* command = app.add_subcommand(
      "comfort", "월별과 년간 시간을 열쾌적 모델의 쾌적범위 아래, 안, 위로 나눕니다");
  addClimateArguments(*command, args->climate);
  command->add_option("--model", args->model, "ashrae-adaptive, en-adaptive 또는 pmv")
      ->required()
      ->check(CLI::IsMember({"ashrae-adaptive", "en-adaptive", "pmv"}));
  command->add_option("--met", args->met, "대사량(met), 0.8 … 4 (pmv)")->capture_default_str();
  command->add_option("--clo", args->clo, "착의량(clo), 0 … 2 (pmv)")->capture_default_str();
  command->add_option("--air-speed", args->airSpeed, "기류속도(m/s), 0 … 1 (pmv)")
      ->capture_default_str();
  command->callback([&ctx, args] { guarded(ctx, [&] { runComfort(ctx, *args); }); });
}

void registerPmv(CLI::App& app, Context& ctx) {
  auto args = std::make_shared<PmvCommandArgs>();
  CLI::App* command = app.add_subcommand("pmv", "한 상태의 PMV와 PPD를 ISO 7730으로 계산합니다");
  command->add_option("--dbt", args->dbt, "기온(°C), 10 … 30")->required();
  command->add_option("--rh", args->rh, "상대습도(%), 0 … 100")->required();
  command->add_option("--mrt", args->mrt, "평균복사온도(°C), 10 … 40 (기본: 기온)");
  command->add_option("--air-speed", args->airSpeed, "기류속도(m/s), 0 … 1")->capture_default_str();
  command->add_option("--met", args->met, "대사량(met), 0.8 … 4")->capture_default_str();
  command->add_option("--clo", args->clo, "착의량(clo), 0 … 2")->capture_default_str();
  command->callback([&ctx, args] { guarded(ctx, [&] { runPmv(ctx, *args); }); });
}

}  // namespace vlm::cli
