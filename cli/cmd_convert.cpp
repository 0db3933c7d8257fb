// vlm-cli convert SOURCE TARGET [--yes]: the conversion page's command. An
// existing target is replaced only with --yes; without it the page's own
// replace question is printed and the command refuses (exit status 1).
#include <memory>
#include <string>

#include "cli/cli_context.h"
#include "cli/commands.h"
#include "core/climate/weather_conversion.h"

namespace vlm::cli {

void registerConvert(CLI::App& app, Context& ctx) {
  struct Args {
    std::string source;
    std::string target;
    bool yes = false;
  };
  auto args = std::make_shared<Args>();
  CLI::App* command = app.add_subcommand(
      "convert", "WYEC/TRY(80열) 또는 EPW 기상파일을 Velmora용 기후파일(cly)로 변환합니다");
  command->add_option("SOURCE", args->source, "원본 기상파일 (.wye, .try, 그 밖의 텍스트, .epw)")
      ->required();
  command->add_option("TARGET", args->target, "변환후 기후파일 (.cly)")->required();
  command->add_flag("--yes", args->yes, "같은 이름의 파일이 있으면 묻지 않고 대체합니다");
  command->callback([&ctx, args] {
    guarded(ctx, [&] {
      const auto policy = args->yes ? OverwritePolicy::Replace : OverwritePolicy::Ask;
      if (ConvertWeatherFile(args->source, args->target, ctx.sink, policy) !=
          ConversionOutcome::Converted)
        ctx.exitCode = kExitRefused;
    });
  });
}

}  // namespace vlm::cli
