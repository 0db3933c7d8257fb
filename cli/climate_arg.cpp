#include "cli/climate_arg.h"

#include "cli/cli_context.h"
#include "core/climate/region_catalog.h"
#include "core/climate/site_rules.h"

namespace vlm::cli {

void addClimateArgument(CLI::App& command, ClimateArgs& args) {
  command
      .add_option(
          "CLIMATE", args.climate,
          "기후파일(.cly)이나 EPW 파일(.epw) 경로, 또는 내장 지역의 이름(서울)이나 파일명(seoul)")
      ->required();
}

void addClimateArguments(CLI::App& command, ClimateArgs& args) {
  addClimateArgument(command, args);
  command.add_option("--region", args.region, "보고서와 제목에 쓸 지역명");
}

void addSiteOption(CLI::App& command, ClimateArgs& args) {
  command.add_option("--site", args.site,
                     "기후파일(.cly)의 위치: 위도,경도[,UTC 시차] (도, 시간; 시차 기본값 9)");
}

namespace {

std::optional<Region> builtInRegionOf(const ClimateArgs& args) {
  auto region = regionByKoreanName(args.climate);
  if (!region) region = regionByStem(args.climate);
  return region;
}

}  // namespace

ClimateChoice resolveClimateChoice(const ClimateArgs& args, std::string_view programDir) {
  const auto region = builtInRegionOf(args);
  ClimateChoice choice = region ? builtInChoice(*region, programDir) : otherChoice(args.climate);
  if (!args.region.empty()) choice.regionName = args.region;
  return choice;
}

LoadedClimate::LoadedClimate()
    : data(*std::pmr::polymorphic_allocator<>(memory_.resource()).new_object<ClimateData>()) {}

LoadedClimate::~LoadedClimate() {
  std::pmr::polymorphic_allocator<>(memory_.resource()).delete_object(&data);
}

std::unique_ptr<LoadedClimate> loadClimate(Context& ctx, const ClimateArgs& args) {
  auto loaded = std::make_unique<LoadedClimate>();
  ClimateChoice choice = resolveClimateChoice(args, ctx.programDir);
  // A built-in region's station is known; the site given is for a file that has none.
  if (!args.site.empty() && !builtInRegionOf(args)) {
    choice.site = ReadSiteArgument(args.site, ctx.sink);
    if (!choice.site) {
      ctx.exitCode = kExitRefused;
      return nullptr;
    }
  }
  // A user file is the region page's "기타" pick, which the screens show as its source.
  if (choice.regionName == kOtherRegionName) loaded->data.OtherFilePath = choice.filePath;
  if (!LoadClimateYear(loaded->data, choice, loaded->psychro, ctx.sink, {}, loaded->memory())) {
    ctx.exitCode = kExitRefused;
    return nullptr;
  }
  return loaded;
}

}  // namespace vlm::cli
