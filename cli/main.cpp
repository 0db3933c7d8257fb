// vlm-cli: the subcommands that draw nothing run here, linked without Qt, so
// that they start in milliseconds; every other command line goes to
// vlm-cli-draw.
#include <iostream>

#include "cli/cli_context.h"
#include "cli/commands.h"
#include "cli/drawing_handoff.h"

int main(int argc, char** argv) {
  using namespace vlm::cli;
  Context ctx(std::cout, std::cerr, executableDir());
  if (!namesCommandOf(argc, argv, registerTextCommands)) {
    return runDrawingHelper(ctx.programDir, argv, std::cerr);
  }
  return run(argc, argv, ctx, registerTextCommands);
}
