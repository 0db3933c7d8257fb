// vlm-cli convert SOURCE TARGET [--yes] [--station N] [--year Y]: the
// conversion page's command. An existing target is replaced only with --yes;
// without it the page's own replace question is printed and the command
// refuses (exit status 1). --station and --year pick one station-year of an
// ASOS file holding several; without them the one with the most hours. Given
// with any other source they would pick nothing: a usage error.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "cli/cli_context.h"
#include "cli/commands.h"
#include "cli/year_memory.h"
#include "core/climate/weather_conversion.h"

namespace vlm::cli {

void registerConvert(CLI::App& app, Context& ctx) {
  struct Args {
    std::string source;
    std::string target;
    bool yes = false;
    std::optional<std::int32_t> station;
    std::optional<std::int16_t> year;
  };
  auto args = std::make_shared<Args>();
  CLI::App* command = app.add_subcommand("convert",
                                         "WYEC/TRY(80열), EPW 또는 ASOS 시간자료(csv) 기상파일을 "
                                         "Velmora용 기후파일(cly)로 변환합니다");
  command
      ->add_option("SOURCE", args->source,
                   "원본 기상파일 (.wye, .try, 그 밖의 텍스트, .epw, ASOS 시간자료 .csv)")
      ->required();
  command->add_option("TARGET", args->target, "변환후 기후파일 (.cly)")->required();
  command->add_flag("--yes", args->yes, "같은 이름의 파일이 있으면 묻지 않고 대체합니다");
  const CLI::Option* station =
      command->add_option("--station", args->station, "ASOS 시간자료에서 변환할 지점 번호");
  const CLI::Option* year =
      command->add_option("--year", args->year, "ASOS 시간자료에서 변환할 연도");
  command->callback([&ctx, args, station, year] {
    if (weatherSourceKindOf(args->source) != WeatherSourceKind::Asos) {
      for (const CLI::Option* option : {station, year})
        if (option->count() > 0)
          throw CLI::ValidationError(option->get_name(),
                                     "ASOS 시간자료(.csv)가 아닌 원본에는 쓸 수 없습니다");
    }
    guarded(ctx, [&] {
      const auto policy = args->yes ? OverwritePolicy::Replace : OverwritePolicy::Ask;
      const AsosChoice asos{args->station, args->year};
      YearMemory memory;
      if (ConvertWeatherFile(args->source, args->target, ctx.sink, policy, {}, asos,
                             memory.resource()) != ConversionOutcome::Converted)
        ctx.exitCode = kExitRefused;
    });
  });
}

}  // namespace vlm::cli
