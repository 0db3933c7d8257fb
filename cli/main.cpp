#include <iostream>

#include "cli/cli_context.h"
#include "core/common/program_dir.h"

int main(int argc, char** argv) {
  vlm::cli::Context ctx(std::cout, std::cerr,
                        vlm::ProgramDirFor(vlm::cli::executableDir(), VLM_INSTALLED_DATA_DIR));
  return vlm::cli::run(argc, argv, ctx);
}
