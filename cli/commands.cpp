#include "cli/commands.h"

#include "cli/cli_context.h"

namespace vlm::cli {

// The subcommands that draw nothing: vlm-cli runs them without loading Qt.
// One line per subcommand; each lives in its own file.
void registerTextCommands(CLI::App& app, Context& ctx) {
  registerCalendar(app, ctx);
  registerCheck(app, ctx);
  registerLoad(app, ctx);
  registerConvert(app, ctx);
  registerPsychro(app, ctx);
  registerZone(app, ctx);
  registerAnalyse(app, ctx);
  registerExtract(app, ctx);
  registerSolar(app, ctx);
  registerMonths(app, ctx);
  registerDegreeDays(app, ctx);
  registerCompare(app, ctx);
  registerBatch(app, ctx);
}

}  // namespace vlm::cli
