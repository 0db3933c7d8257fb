// vlm-cli wind CLIMATE [--months LIST] [--hours FROM-TO] [--zone NAME]
// [--dbt MIN,MAX] [--classes EDGES] [-o FILE]: the wind of the chosen hours
// as the tab "바람 분석" counts it, as JSON, or with -o the rose as a picture.
#include <charconv>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "cli/cli_context.h"
#include "cli/climate_arg.h"
#include "cli/commands.h"
#include "cli/json_output.h"
#include "cli/picture_file.h"
#include "core/climate/climate_stats.h"
#include "core/psychro/psychro_chart.h"
#include "core/seasonal/wind_classes.h"
#include "core/seasonal/wind_figure.h"

namespace vlm::cli {
namespace {

struct WindArgs {
  ClimateArgs climate;
  std::string months = "1-12";
  std::string hours = "0-23";
  std::string zone = "PV";
  std::vector<float> dryBulb;
  std::string classes = "0.5,2,4,6";
  PictureFileArgs file;
};

// "13-17" → {13, 17}, each an hour of the day 0 … 23.
std::optional<std::pair<int16_t, int16_t>> hourRange(const std::string& text) {
  const std::size_t dash = text.find('-');
  if (dash == std::string::npos) return std::nullopt;
  int from = -1, to = -1;
  const char* end = text.data() + text.size();
  const auto a = std::from_chars(text.data(), text.data() + dash, from);
  const auto b = std::from_chars(text.data() + dash + 1, end, to);
  if (a.ptr != text.data() + dash || b.ptr != end || from < 0 || from > 23 || to < 0 || to > 23) {
    return std::nullopt;
  }
  return std::pair{static_cast<int16_t>(from), static_cast<int16_t>(to)};
}

WindFilter filterOf(const WindArgs& args) {
  WindFilter filter;
  filter.months = *ParseWindMonths(args.months);
  std::tie(filter.fromHour, filter.toHour) = *hourRange(args.hours);
  filter.zone = *WindZoneByKey(args.zone);
  if (args.dryBulb.size() == 2) filter.dryBulb = std::pair{args.dryBulb[0], args.dryBulb[1]};
  return filter;
}

nlohmann::json windJson(const WindCounts& counts) {
  nlohmann::json directions = nlohmann::json::array();
  for (std::size_t d = 0; d < counts.directions.size(); ++d) {
    nlohmann::json classes = nlohmann::json::array();
    for (std::size_t c = 0; c < counts.edges.size(); ++c) {
      classes.push_back(jsonFloat(counts.classShare(d, c)));
    }
    const auto mean = counts.meanSpeed(d);
    directions.push_back({{"code", kWindDirCodes[d]},
                          {"share", jsonFloat(counts.directionShare(d))},
                          {"meanSpeed", mean ? jsonFloat(*mean) : nlohmann::json()},
                          {"classes", classes}});
  }
  nlohmann::json edges = nlohmann::json::array();
  for (const float e : counts.edges) edges.push_back(jsonFloat(e));
  const auto prevailing = counts.prevailing();
  return {
      {"hours", counts.hours},
      {"calm", jsonFloat(counts.calmShare())},
      {"directions", directions},
      {"prevailing", prevailing ? nlohmann::json(kWindDirCodes[*prevailing]) : nlohmann::json()},
      {"classEdges", edges}};
}

void runWind(Context& ctx, const WindArgs& args) {
  const auto edges = ReadWindClassEdges(args.classes, ctx.sink);
  if (!edges) {
    ctx.exitCode = kExitRefused;
    return;
  }
  if (!args.file.path.empty()) (void)checkedPictureExtension(args.file.path);
  const auto loaded = loadClimate(ctx, args.climate);
  if (!loaded) return;
  const WindFilter filter = filterOf(args);
  const WindCounts counts = CountWind(loaded->data, filter, *edges, PsychroChart{});
  if (args.file.path.empty()) {
    ctx.out << jsonText(windJson(counts)) << '\n';
    return;
  }
  // One user unit is one pixel of the image, as the tab's picture has it.
  const ImageSize size = parseImageSize(args.file.size).value_or(ImageSize{});
  const RoseGeometry g =
      RoseGeometry::ForPicture(static_cast<float>(size.width), static_cast<float>(size.height));
  writePictureFile(ctx,
                   BuildWindRose(g, counts, WindRoseTitle(loaded->data.RegionName, filter.zone)),
                   args.file);
}

CLI::Validator checked(std::function<bool(const std::string&)> ok, std::string what) {
  return CLI::Validator(
      [ok = std::move(ok), what](std::string& text) { return ok(text) ? std::string() : what; },
      "");
}

}  // namespace

void registerWind(CLI::App& app, Context& ctx) {
  auto args = std::make_shared<WindArgs>();
  CLI::App* command = app.add_subcommand(
      "wind", "선택한 시간의 풍향별, 풍속 등급별 비율과 주풍향(JSON) 또는 바람장미 그림");
  addClimateArguments(*command, args->climate);
  command->add_option("--months", args->months, "대상 월: 1-12, 6-8, 1,2,12 …")
      ->check(checked([](const std::string& s) { return ParseWindMonths(s).has_value(); },
                      "1~12월의 목록이 아닙니다"))
      ->capture_default_str();
  command->add_option("--hours", args->hours, "대상 시각 FROM-TO (0~23, 양끝 포함)")
      ->check(checked([](const std::string& s) { return hourRange(s).has_value(); },
                      "0~23시의 범위 FROM-TO가 아닙니다"))
      ->capture_default_str();
  command->add_option("--zone", args->zone, "기후 죤: all, TH,TC,TCT,DH,HU 또는 RC … MCD")
      ->check(checked([](const std::string& s) { return WindZoneByKey(s).has_value(); },
                      "알 수 없는 죤입니다"))
      ->capture_default_str();
  command->add_option("--dbt", args->dryBulb, "건구온도 범위 MIN,MAX (°C)")
      ->delimiter(',')
      ->expected(2);
  command->add_option("--classes", args->classes, "풍속 등급 경계값 (m/s, 쉼표 구분)")
      ->capture_default_str();
  command->add_option("-o,--output", args->file.path,
                      "그림 파일 (.png, .svg, .pdf, 또는 목록 .txt)");
  addImageSizeOption(*command, args->file.size);
  command->add_flag("--yes", args->file.yes, "같은 이름의 파일이 있으면 묻지 않고 대체합니다");
  command->callback([&ctx, args] { guarded(ctx, [&] { runWind(ctx, *args); }); });
}

}  // namespace vlm::cli
