#include <iostream>

#include "cli/cli_context.h"

int main(int argc, char** argv) {
  vlm::cli::Context ctx(std::cout, std::cerr, vlm::cli::executableDir());
  return vlm::cli::run(argc, argv, ctx);
}
