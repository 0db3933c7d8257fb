// vlm-cli solar --lat --month --day --time: the solar position of one moment in
// apparent solar time, as the sun-path diagram computes it.
#include <charconv>
#include <limits>
#include <memory>
#include <string>

#include "cli/cli_context.h"
#include "cli/commands.h"
#include "cli/json_output.h"
#include "core/solar/solar_pos.h"

namespace vlm::cli {
namespace {

// The option's number, NaN when it is none (its conversion then reports that).
double numberOf(const std::string& text) {
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size())
    return std::numeric_limits<double>::quiet_NaN();
  return value;
}

}  // namespace

void registerSolar(CLI::App& app, Context& ctx) {
  struct Args {
    float lat = 0;
    int16_t month = 0;
    int16_t day = 0;
    float time = 0;
  };
  auto args = std::make_shared<Args>();
  CLI::App* command = app.add_subcommand(
      "solar",
      "날짜, 태양시, 위도에서 태양적위, 균시차, 태양고도각, 태양방위각, 낮길이를 계산합니다");
  // At a pole the azimuth has no meaning: the latitude stays strictly inside ±90°.
  command->add_option("--lat", args->lat, "위도 (°, 북위 +)")
      ->required()
      ->check(CLI::Validator(
          [](const std::string& text) {
            const double lat = numberOf(text);
            return !(lat <= -90.0 || lat >= 90.0) ? std::string()
                                                  : "위도는 -90°보다 크고 90°보다 작아야 합니다";
          },
          "LAT"));
  command->add_option("--month", args->month, "월 (1~12)")->required();
  command->add_option("--day", args->day, "일")->required();
  command->add_option("--time", args->time, "태양시 (시, 12 = 남중)")
      ->required()
      ->check(CLI::Validator(
          [](const std::string& text) {
            const double time = numberOf(text);
            return !(time < 0.0 || time > 24.0) ? std::string() : "태양시는 0~24시입니다";
          },
          "TIME"));
  command->callback([&ctx, args] {
    guarded(ctx, [&] {
      const int16_t n = GetDOY_MD(args->month, args->day, ctx.sink);
      if (n == 0) {
        ctx.exitCode = kExitRefused;
        return;
      }
      const float decl = GetDecl_DOY(n);
      nlohmann::ordered_json result;
      result["doy"] = n;
      result["decl"] = jsonFloat(decl);
      result["eot"] = jsonFloat(GetEoT_DOY(n));
      result["alt"] = jsonFloat(GetAlt_TDL(args->time, decl, args->lat));
      result["azi"] = jsonFloat(GetAzi_TDL(args->time, decl, args->lat));
      result["daylen"] = jsonFloat(GetDayLen_LD(args->lat, decl));
      ctx.out << jsonText(result) << '\n';
    });
  });
}

}  // namespace vlm::cli
