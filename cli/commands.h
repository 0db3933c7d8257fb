// The registration functions of the subcommands, one per file of cli/.
#pragma once

#include <CLI/CLI.hpp>

namespace vlm::cli {

struct Context;

}  // namespace vlm::cli
