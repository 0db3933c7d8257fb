// vlm-cli sunpath --lat L -o FILE: the sun-path tab's diagram for a latitude text,
// checked as the tab checks it, with its direction and altitude labels.
#include <memory>

#include "cli/cli_context.h"
#include "cli/commands.h"
#include "cli/picture_file.h"
#include "core/solar/sun_path.h"

namespace vlm::cli {

void registerSunpath(CLI::App& app, Context& ctx) {
  struct Args {
    std::string lat;
    PictureFileArgs file;
  };
  auto args = std::make_shared<Args>();
  CLI::App* command = app.add_subcommand("sunpath", "위도의 태양궤적도를 그림 파일로 저장합니다");
  command->add_option("--lat", args->lat, "위도 (북위, 25~55°)")->required();
  addPictureFileOptions(*command, args->file);
  command->callback([&ctx, args] {
    guarded(ctx, [&] {
      const SunPathGeometry geometry;
      SunPathPicture picture(geometry);
      if (!DrawSchart(picture, geometry, args->lat, ctx.sink)) {
        ctx.exitCode = kExitRefused;
        return;
      }
      writePictureFile(ctx, picture.withLabels(), args->file);
    });
  });
}

}  // namespace vlm::cli
