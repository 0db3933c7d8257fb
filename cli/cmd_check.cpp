// vlm-cli check CLIMATE: the region page's validation of a .cly file alone.
#include <memory>

#include "cli/cli_context.h"
#include "cli/climate_arg.h"
#include "cli/commands.h"
#include "core/climate/check_climate_file.h"

namespace vlm::cli {

void registerCheck(CLI::App& app, Context& ctx) {
  auto args = std::make_shared<ClimateArgs>();
  CLI::App* command =
      app.add_subcommand("check", "기후파일(.cly)이 읽을 수 있는 파일인지 검사합니다");
  addClimateArgument(*command, *args);
  command->callback([&ctx, args] {
    guarded(ctx, [&] {
      const ClimateChoice choice = resolveClimateChoice(*args, ctx.programDir);
      if (!CheckClimateFile(choice.filePath, ctx.sink)) {
        ctx.exitCode = kExitRefused;
        return;
      }
      ctx.out << "ok\n";
    });
  });
}

}  // namespace vlm::cli
