// vlm-cli mask --lat L --type 1|2|3 [--v] [--hw] [--he] [--s] -o FILE: the shading
// mask over the sun-path diagram. The options stand for the input tab's boxes of
// the chosen type; one left out is a value not entered.
#include <memory>

#include "cli/cli_context.h"
#include "cli/commands.h"
#include "cli/picture_file.h"
#include "core/solar/shading_mask.h"

namespace vlm::cli {
namespace {

struct MaskArgs {
  std::string lat;
  int16_t type = kShadeCombined;
  std::string v, hw, he, s;
  PictureFileArgs file;
};

ShadeInputs inputsOf(const MaskArgs& a) {
  ShadeInputs in;
  switch (a.type) {
    case kShadeHorizontal:
      in.hv = a.v;
      in.hs = a.s;
      break;
    case kShadeVertical:
      in.vhw = a.hw;
      in.vhe = a.he;
      in.vs = a.s;
      break;
    case kShadeCombined:
      in.hvv = a.v;
      in.hvhw = a.hw;
      in.hvhe = a.he;
      in.hvs = a.s;
      break;
    default:
      break;
  }
  return in;
}

}  // namespace

void registerMask(CLI::App& app, Context& ctx) {
  auto args = std::make_shared<MaskArgs>();
  CLI::App* command =
      app.add_subcommand("mask", "차양의 음영마스크를 태양궤적도 위에 그려 그림 파일로 저장합니다");
  command->add_option("--lat", args->lat, "위도 (북위, 25~55°)")->required();
  command->add_option("--type", args->type, "차양종류: 1 수평차양, 2 수직차양, 3 수평수직차양")
      ->required();
  command->add_option("--v", args->v, "수직음영각 (°)");
  command->add_option("--hw", args->hw, "서향 수평음영각 (°)");
  command->add_option("--he", args->he, "동향 수평음영각 (°)");
  command->add_option("--s", args->s, "면방위각 (°, 남 0, 동 -, 서 +)");
  addPictureFileOptions(*command, args->file);
  command->callback([&ctx, args] {
    guarded(ctx, [&] {
      MaskSummary summary;
      SummariseSite(summary, "", args->lat);
      SummariseShade(summary, args->type, inputsOf(*args));
      const SunPathGeometry geometry;
      SunPathPicture picture(geometry);
      if (!DrawShadingMask(picture, geometry, args->type, summary, ctx.sink)) {
        ctx.exitCode = kExitRefused;
        return;
      }
      writePictureFile(ctx, picture.withLabels(), args->file);
    });
  });
}

}  // namespace vlm::cli
