// vlm-cli-draw: every subcommand, the drawing ones with the render layer;
// vlm-cli hands it the command lines it does not run itself.
#include <iostream>

#include "cli/cli_context.h"

int main(int argc, char** argv) {
  vlm::cli::Context ctx(std::cout, std::cerr, vlm::cli::executableDir());
  return vlm::cli::run(argc, argv, ctx);
}
