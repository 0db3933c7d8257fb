// vlm-cli: the subcommands that draw nothing run here, linked without Qt, so
// that they start in milliseconds; every other command line goes to
// vlm-cli-draw.
#include <cstdio>
#include <iostream>

#include "cli/cli_context.h"
#include "cli/commands.h"
#include "cli/drawing_handoff.h"
#include "cli/standard_output.h"
#include "core/common/program_dir.h"

int main(int argc, char** argv) {
  using namespace vlm::cli;
  StandardOutput output(std::cout, stdout);
  Context ctx(std::cout, std::cerr, vlm::ProgramDirFor(executableDir(), VLM_INSTALLED_DATA_DIR));
  // Only the command asked for is built: the others' options are never read.
  const CommandRegistrar command = textCommandNamed(requestedSubcommand(argc, argv));
  if (command == nullptr) {
    return runDrawingHelper(executableDir(), VLM_INSTALLED_HELPER_DIR, argv, std::cerr);
  }
  CLI::App app;
  buildApp(app, ctx, command);
  const int status = parseAndRun(app, argc, argv, ctx);
  return output.finish(status, std::cerr);
}
