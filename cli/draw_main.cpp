// vlm-cli-draw: every subcommand, the drawing ones with the render layer;
// vlm-cli hands it the command lines it does not run itself.
#include <cstdio>
#include <iostream>

#include "cli/cli_context.h"
#include "cli/standard_output.h"
#include "core/common/program_dir.h"

int main(int argc, char** argv) {
  vlm::cli::StandardOutput output(std::cout, stdout);
  vlm::cli::Context ctx(std::cout, std::cerr,
                        vlm::ProgramDirFor(vlm::cli::executableDir(), VLM_INSTALLED_DATA_DIR));
  const int status = vlm::cli::run(argc, argv, ctx);
  return output.finish(status, std::cerr);
}
