// vlm-cli sunpath --lat L [--climate CLIMATE [--site]] -o FILE: the sun-path
// tab's diagram for a latitude text, checked as the tab checks it, with its
// direction and altitude labels. With a climate the diagram is drawn for the
// climate's site and carries the year's daytime hours.
#include <memory>

#include "cli/cli_context.h"
#include "cli/commands.h"
#include "cli/picture_file.h"
#include "cli/sun_path_climate.h"
#include "core/solar/climate_overlay.h"
#include "core/solar/sun_path.h"

namespace vlm::cli {

void registerSunpath(CLI::App& app, Context& ctx) {
  struct Args {
    std::string lat;
    ClimateArgs climate;
    PictureFileArgs file;
  };
  auto args = std::make_shared<Args>();
  CLI::App* command = app.add_subcommand("sunpath", "위도의 태양궤적도를 그림 파일로 저장합니다");
  CLI::Option* lat = command->add_option("--lat", args->lat, "위도 (북위, 25~55°)");
  CLI::Option* climate = command->add_option(
      "--climate", args->climate.climate,
      "기후자료: 낮 시간을 태양궤적도 위에 표시하고 그 위치의 위도로 그립니다");
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
      const SunPathGeometry geometry;
      SunPathPicture picture(geometry);
      if (!DrawSchart(picture, geometry, year ? year->latitudeText : args->lat, ctx.sink)) {
        ctx.exitCode = kExitRefused;
        return;
      }
      if (year) DrawClimateOverlay(picture.drawing, geometry, year->hours);
      writePictureFile(ctx, picture.withLabels(), args->file);
    });
  });
}

}  // namespace vlm::cli
