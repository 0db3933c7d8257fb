// vlm-cli carpet CLIMATE [--by zone|dbt] -o FILE: the hour-by-day carpet of
// the year, saved as an image (.png, .svg, .pdf) or as its display list (.txt).
#include <memory>
#include <string>

#include "cli/cli_context.h"
#include "cli/climate_arg.h"
#include "cli/commands.h"
#include "cli/output_file.h"
#include "cli/picture_file.h"
#include "core/psychro/psychro_chart.h"
#include "core/seasonal/carpet.h"

namespace vlm::cli {
namespace {

struct CarpetArgs {
  ClimateArgs climate;
  std::string by = "zone";
  PictureFileArgs file;
};

void runCarpet(Context& ctx, const CarpetArgs& args) {
  (void)checkedPictureExtension(args.file.path);
  const auto loaded = loadClimate(ctx, args.climate);
  if (!loaded) return;
  if (!mayWrite(ctx, args.file.path, args.file.yes, overwriteQuestion(args.file.path))) return;
  const CarpetColouring colouring =
      args.by == "dbt" ? CarpetColouring::DryBulb : CarpetColouring::Zone;
  writeDrawingFile(BuildCarpet(loaded->data, PsychroChart{}, colouring), args.file.path,
                   parseImageSize(args.file.size).value_or(ImageSize{}));
}

}  // namespace

void registerCarpet(CLI::App& app, Context& ctx) {
  auto args = std::make_shared<CarpetArgs>();
  CLI::App* command = app.add_subcommand(
      "carpet", "시간별 분포(날짜×시각)를 그림 파일(png, svg, pdf, 목록 txt)로 저장합니다");
  addClimateArguments(*command, args->climate);
  command->add_option("--by", args->by, "색구분: zone 생체기후적 요구 죤, dbt 건구온도")
      ->check(CLI::IsMember({"zone", "dbt"}))
      ->capture_default_str();
  addPictureFileOptions(*command, args->file);
  command->callback([&ctx, args] { guarded(ctx, [&] { runCarpet(ctx, *args); }); });
}

}  // namespace vlm::cli
