// Runs vlm-cli in-process, as the shell would, for the CLI tests.
#pragma once

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/cli_context.h"

namespace vlm::cli::test {

// Clears both streams, runs `vlm-cli args…` with programDir as the program
// directory and returns its exit status; stdout and stderr land in out and err.
inline int runCli(std::vector<std::string> args, std::ostringstream& out, std::ostringstream& err,
                  const std::string& programDir) {
  out.str("");
  err.str("");
  args.insert(args.begin(), "vlm-cli");
  std::vector<const char*> argv;
  for (const auto& a : args) argv.push_back(a.c_str());
  Context ctx(out, err, programDir);
  return run(static_cast<int>(argv.size()), argv.data(), ctx);
}

}  // namespace vlm::cli::test
