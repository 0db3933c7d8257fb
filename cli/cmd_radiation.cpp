// vlm-cli radiation CLIMATE [--site] [--tilt] [--albedo] [--model]: the
// irradiation of the 36 orientations and the horizontal for the year, the
// hours that want the sun, those that refuse it and each month, kWh/m².
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/cli_context.h"
#include "cli/commands.h"
#include "cli/json_output.h"
#include "cli/radiation_args.h"

namespace vlm::cli {
namespace {

using RadiationJson = nlohmann::ordered_json;

RadiationJson kwh(float value) { return RadiationJson(jsonFloat(value)); }

RadiationJson totalsJson(const RadiationTotals& totals) {
  RadiationJson months = RadiationJson::array();
  for (const float month : totals.months) months.push_back(kwh(month));
  return {{"year", kwh(totals.year)},
          {"wanted", kwh(totals.wanted)},
          {"unwanted", kwh(totals.unwanted)},
          {"months", months}};
}

RadiationJson radiationJson(const Site& site, const RadiationArgs& args, const RadiationYear& r) {
  RadiationJson orientations = RadiationJson::array();
  for (int i = 0; i < kRadiationOrientations; ++i) {
    RadiationJson one = {{"azimuth", OrientationAzimuth(i)}};
    one.update(totalsJson(r.orientations[static_cast<std::size_t>(i)]));
    orientations.push_back(one);
  }
  return {{"site",
           {{"name", site.name},
            {"latitude", site.latitude},
            {"longitude", site.longitude},
            {"utcOffset", site.utcOffset}}},
          {"model", args.model},
          {"tilt", r.options.tilt},
          {"albedo", r.options.albedo},
          {"orientations", orientations},
          {"horizontal", totalsJson(r.horizontal)},
          {"mostWanted", r.mostWanted},
          {"mostUnwanted", r.mostUnwanted},
          {"hours",
           {{"used", r.hours.used},
            {"missingRadiation", r.hours.missingRadiation},
            {"sunDownWithRadiation", r.hours.sunDownWithRadiation}}}};
}

}  // namespace

void registerRadiation(CLI::App& app, Context& ctx) {
  auto args = std::make_shared<RadiationArgs>();
  CLI::App* command = app.add_subcommand(
      "radiation", "36방위와 수평면의 연간, 태양열획득, 태양열차단 시간과 월별 일사량을 계산합니다");
  addRadiationArguments(*command, *args);
  command->callback([&ctx, args] {
    guarded(ctx, [&] {
      const auto run = runRadiation(ctx, *args);
      if (!run) return;
      ctx.out << jsonText(radiationJson(*run->loaded->data.site, *args, run->result)) << '\n';
    });
  });
}

}  // namespace vlm::cli
