#include "cli/cli_context.h"
#include "cli/commands.h"

namespace vlm::cli {

// One line per subcommand; each lives in its own file.
void registerAll(CLI::App& app, Context& ctx) {
  (void)app;
  (void)ctx;
}

}  // namespace vlm::cli
