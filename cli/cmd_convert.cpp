// vlm-cli convert SOURCE TARGET [--yes] [--station N] [--year Y] [--site]:
// the conversion page's command. An existing target is replaced only with
// --yes; without it the page's own replace question is printed and the
// command refuses (exit status 1). --station and --year pick one
// station-year of an ASOS file holding several; without them the one with the
// most hours. Given with any other source they would pick nothing: a usage
// error. A TARGET ending in .epw is written as an EPW file from any source, a
// built-in region (서울, seoul) included; --site gives the site of a source
// that records none, and is a usage error for a .cly target.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "cli/cli_context.h"
#include "cli/climate_arg.h"
#include "cli/commands.h"
#include "cli/year_memory.h"
#include "core/climate/region_catalog.h"
#include "core/climate/site_rules.h"
#include "core/climate/weather_conversion.h"
#include "core/solar/epw_conversion.h"

namespace vlm::cli {
namespace {

struct ConvertArgs {
  std::string source;
  std::string target;
  bool yes = false;
  std::optional<std::int32_t> station;
  std::optional<std::int16_t> year;
  std::string site;
};

// A built-in region's year with its station; otherwise the file named and
// the site given, if any (a refused --site gives nothing).
std::optional<EpwConversionChoice> epwChoiceOf(Context& ctx, ConvertArgs& args) {
  EpwConversionChoice choice;
  choice.asos = AsosChoice{args.station, args.year};
  ClimateArgs climate;
  climate.climate = args.source;
  const ClimateChoice resolved = resolveClimateChoice(climate, ctx.programDir);
  if (resolved.regionName != kOtherRegionName) {
    args.source = resolved.filePath;
    choice.regionName = resolved.regionName;
    choice.site = resolved.site;
    return choice;
  }
  if (!args.site.empty()) {
    choice.site = ReadSiteArgument(args.site, ctx.sink);
    if (!choice.site) return std::nullopt;
  }
  return choice;
}

}  // namespace

void registerConvert(CLI::App& app, Context& ctx) {
  auto args = std::make_shared<ConvertArgs>();
  CLI::App* command = app.add_subcommand("convert",
                                         "WYEC/TRY(80열), EPW 또는 ASOS 시간자료(csv) 기상파일을 "
                                         "Velmora용 기후파일(cly)로, 또는 어떤 기후자료든 EPW "
                                         "파일(epw)로 변환합니다");
  command
      ->add_option("SOURCE", args->source,
                   "원본 기상파일 (.wye, .try, 그 밖의 텍스트, .epw, ASOS 시간자료 .csv; "
                   "EPW로 변환할 때는 .cly나 내장 지역의 이름(서울, seoul)도)")
      ->required();
  command->add_option("TARGET", args->target, "변환후 기후파일 (.cly 또는 .epw)")->required();
  command->add_flag("--yes", args->yes, "같은 이름의 파일이 있으면 묻지 않고 대체합니다");
  const CLI::Option* station =
      command->add_option("--station", args->station, "ASOS 시간자료에서 변환할 지점 번호");
  const CLI::Option* year =
      command->add_option("--year", args->year, "ASOS 시간자료에서 변환할 연도");
  const CLI::Option* site = command->add_option(
      "--site", args->site,
      "EPW로 변환할 때 위치가 없는 원본의 위치: 위도,경도[,UTC 시차] (도, 시간; 시차 기본값 9)");
  command->callback([&ctx, args, station, year, site] {
    const bool toEpw = targetFormatOf(args->target) == TargetFormat::Epw;
    if (weatherSourceKindOf(args->source) != WeatherSourceKind::Asos) {
      for (const CLI::Option* option : {station, year})
        if (option->count() > 0)
          throw CLI::ValidationError(option->get_name(),
                                     "ASOS 시간자료(.csv)가 아닌 원본에는 쓸 수 없습니다");
    }
    if (!toEpw && site->count() > 0)
      throw CLI::ValidationError(site->get_name(), "EPW 파일(.epw)로 변환할 때만 쓸 수 있습니다");
    guarded(ctx, [&] {
      const auto policy = args->yes ? OverwritePolicy::Replace : OverwritePolicy::Ask;
      ConversionOutcome outcome = ConversionOutcome::Refused;
      if (toEpw) {
        if (const auto choice = epwChoiceOf(ctx, *args))
          outcome = ConvertToEpw(args->source, args->target, ctx.sink, policy, {}, *choice);
      } else {
        YearMemory memory;
        outcome = ConvertWeatherFile(args->source, args->target, ctx.sink, policy, {},
                                     AsosChoice{args->station, args->year}, memory.resource());
      }
      if (outcome != ConversionOutcome::Converted) ctx.exitCode = kExitRefused;
    });
  });
}

}  // namespace vlm::cli
