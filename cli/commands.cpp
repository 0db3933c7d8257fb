#include "cli/commands.h"

#include "cli/cli_context.h"

namespace vlm::cli {

// One line per subcommand; each lives in its own file.
void registerAll(CLI::App& app, Context& ctx) {
  registerCalendar(app, ctx);
  registerCheck(app, ctx);
  registerLoad(app, ctx);
  registerConvert(app, ctx);
  registerPsychro(app, ctx);
  registerZone(app, ctx);
  registerAnalyse(app, ctx);
  registerExtract(app, ctx);
  registerChart(app, ctx);
  registerReport(app, ctx);
  registerSolar(app, ctx);
  registerSunpath(app, ctx);
  registerMask(app, ctx);
  registerMonthly(app, ctx);
  registerRose(app, ctx);
  registerMonths(app, ctx);
  registerCarpet(app, ctx);
  registerDegreeDays(app, ctx);
  registerCompare(app, ctx);
}

}  // namespace vlm::cli
