// vlm-cli check CLIMATE: whether a climate can be read, without reading it
// into a year: a .cly file (or built-in region) by the region page's
// validation, an EPW file or an ASOS hourly CSV by the checks of its import,
// whose converted year is then dropped.
#include <fstream>
#include <memory>
#include <string>

#include "cli/cli_context.h"
#include "cli/climate_arg.h"
#include "cli/commands.h"
#include "core/climate/check_climate_file.h"
#include "core/climate/text_line_reader.h"
#include "core/climate/weather_conversion.h"

namespace vlm::cli {
namespace {

bool checkClimateSource(const std::string& path, MessageSink& sink) {
  const WeatherSourceKind kind = weatherSourceKindOf(path);
  if (kind == WeatherSourceKind::WyecTry) return CheckClimateFile(path, sink);
  std::ifstream source;
  openForReading(source, climateFilePathOf(path));
  if (kind == WeatherSourceKind::Epw) return ImportEpw(source, sink).has_value();
  return ImportAsos(source, AsosChoice{}, sink).has_value();
}

}  // namespace

void registerCheck(CLI::App& app, Context& ctx) {
  auto args = std::make_shared<ClimateArgs>();
  CLI::App* command = app.add_subcommand(
      "check",
      "기후파일(.cly), EPW 파일(.epw) 또는 ASOS 시간자료(.csv)가 읽을 수 있는 파일인지 검사합니다");
  addClimateArgument(*command, *args);
  command->callback([&ctx, args] {
    guarded(ctx, [&] {
      const ClimateChoice choice = resolveClimateChoice(*args, ctx.programDir);
      if (!checkClimateSource(choice.filePath, ctx.sink)) {
        ctx.exitCode = kExitRefused;
        return;
      }
      ctx.out << "ok\n";
    });
  });
}

}  // namespace vlm::cli
