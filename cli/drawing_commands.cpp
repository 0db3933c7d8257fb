#include "cli/cli_context.h"
#include "cli/commands.h"

namespace vlm::cli {

// The subcommands that draw: built with the render layer into vlm-cli-draw.
// One line per subcommand; each lives in its own file (listed in
// cli/CMakeLists.txt among the drawing sources).
void registerDrawingCommands(CLI::App& app, Context& ctx) {
  registerChart(app, ctx);
  registerReport(app, ctx);
  registerSunpath(app, ctx);
  registerMask(app, ctx);
  registerMonthly(app, ctx);
  registerRose(app, ctx);
  registerCarpet(app, ctx);
  registerWind(app, ctx);
  registerRadiationRose(app, ctx);
}

void registerAll(CLI::App& app, Context& ctx) {
  registerTextCommands(app, ctx);
  registerDrawingCommands(app, ctx);
}

}  // namespace vlm::cli
