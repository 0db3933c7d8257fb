#include <cstdio>
#include <iostream>

#include "cli/cli_context.h"
#include "cli/standard_output.h"

int main(int argc, char** argv) {
  vlm::cli::Context ctx(std::cout, std::cerr, vlm::cli::executableDir());
  const int status = vlm::cli::run(argc, argv, ctx);
  return vlm::cli::finishStandardOutput(status, std::cout, stdout, std::cerr);
}
