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
  if (!namesCommandOf(argc, argv, registerTextCommands)) {
    return runDrawingHelper(executableDir(), VLM_INSTALLED_HELPER_DIR, argv, std::cerr);
  }
  Context ctx(std::cout, std::cerr, vlm::ProgramDirFor(executableDir(), VLM_INSTALLED_DATA_DIR));
  const int status = run(argc, argv, ctx, registerTextCommands);
  return finishStandardOutput(status, std::cout, stdout, std::cerr);
}
