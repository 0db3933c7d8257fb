// vlm-cli radiation-rose CLIMATE [--site] [--tilt] [--albedo] [--model]
// [--of year|wanted|unwanted] -o FILE: the radiation rose of the page, all
// three totals or one of them.
#include <memory>
#include <string>

#include "cli/cli_context.h"
#include "cli/commands.h"
#include "cli/picture_file.h"
#include "cli/radiation_args.h"
#include "core/solar/radiation_figures.h"

namespace vlm::cli {
namespace {

struct RadiationRoseArgs {
  RadiationArgs radiation;
  std::string of;
  PictureFileArgs file;
};

RoseSeries roseSeriesOf(const std::string& of) {
  if (of == "year") return RoseSeries::Year;
  if (of == "wanted") return RoseSeries::Wanted;
  if (of == "unwanted") return RoseSeries::Unwanted;
  return RoseSeries::All;
}

void runRadiationRose(Context& ctx, const RadiationRoseArgs& args) {
  (void)checkedPictureExtension(args.file.path);
  const auto run = runRadiation(ctx, args.radiation);
  if (!run) return;
  writePictureFile(
      ctx, RadiationRoseDrawing(run->result, run->loaded->data.RegionName, roseSeriesOf(args.of)),
      args.file);
}

}  // namespace

void registerRadiationRose(CLI::App& app, Context& ctx) {
  auto args = std::make_shared<RadiationRoseArgs>();
  CLI::App* command =
      app.add_subcommand("radiation-rose", "방위별 일사량 그림(일사 분석)을 그림 파일로 저장합니다");
  addRadiationArguments(*command, args->radiation);
  command->add_option("--of", args->of, "그릴 일사량: year 연간, wanted 태양열획득, unwanted 태양열차단 (기본값 셋 모두)")
      ->check(CLI::IsMember({"year", "wanted", "unwanted"}));
  addPictureFileOptions(*command, args->file);
  command->callback([&ctx, args] { guarded(ctx, [&] { runRadiationRose(ctx, *args); }); });
}

}  // namespace vlm::cli
