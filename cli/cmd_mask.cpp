// vlm-cli mask --lat L --type 1|2|3 [--v] [--hw] [--he] [--s] [--climate CLIMATE
// [--site]] -o FILE: the shading mask over the sun-path diagram. The options
// stand for the input tab's boxes of the chosen type; one left out is a value
// not entered. With a climate the diagram is drawn for the climate's site and
// carries the year's daytime hours under the outline.
#include <memory>

#include "cli/cli_context.h"
#include "cli/commands.h"
#include "cli/picture_file.h"
#include "cli/sun_path_climate.h"
#include "core/solar/climate_overlay.h"
#include "core/solar/shading_mask.h"

namespace vlm::cli {
namespace {

struct MaskArgs {
  std::string lat;
  int16_t type = kShadeCombined;
  std::string v, hw, he, s;
  ClimateArgs climate;
  PictureFileArgs file;
};

}  // namespace

void registerMask(CLI::App& app, Context& ctx) {
  auto args = std::make_shared<MaskArgs>();
  CLI::App* command =
      app.add_subcommand("mask", "차양의 음영마스크를 태양궤적도 위에 그려 그림 파일로 저장합니다");
  CLI::Option* lat = command->add_option("--lat", args->lat, "위도 (북위, 25~55°)");
  command->add_option("--type", args->type, "차양종류: 1 수평차양, 2 수직차양, 3 수평수직차양")
      ->required();
  command->add_option("--v", args->v, "수직음영각 (°)");
  command->add_option("--hw", args->hw, "서향 수평음영각 (°)");
  command->add_option("--he", args->he, "동향 수평음영각 (°)");
  command->add_option("--s", args->s, "면방위각 (°, 남 0, 동 -, 서 +)");
  CLI::Option* climate = command->add_option(
      "--climate", args->climate.climate,
      "기후자료: 낮 시간을 음영마스크 밑에 표시하고 그 위치의 위도로 그립니다");
  addSiteOption(*command, args->climate);
  addPictureFileOptions(*command, args->file);
  command->callback([&ctx, args, lat, climate] {
    if (lat->count() == 0 && climate->count() == 0)
      throw CLI::RequiredError("--lat 혹은 --climate");
    guarded(ctx, [&] {
      std::optional<SunPathClimate> year;
      if (!args->climate.climate.empty()) {
        year = loadSunPathClimate(ctx, args->climate);
        if (!year) return;
      }
      MaskSummary summary;
      SummariseSite(summary, "", year ? year->latitudeText : args->lat);
      SummariseShade(summary, args->type,
                     InputsOfType(args->type, args->v, args->hw, args->he, args->s));
      const SunPathGeometry geometry;
      SunPathPicture picture(geometry);
      // The dots go under the outline, which stays readable over them.
      const auto dots = [&year, &geometry](Drawing& drawing) {
        if (year) DrawClimateOverlay(drawing, geometry, year->hours);
      };
      if (!DrawShadingMask(picture, geometry, args->type, summary, ctx.sink, {}, dots)) {
        ctx.exitCode = kExitRefused;
        return;
      }
      writePictureFile(ctx, picture.withLabels(), args->file);
    });
  });
}

}  // namespace vlm::cli
