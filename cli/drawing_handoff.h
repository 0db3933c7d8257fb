// vlm-cli runs the subcommands that draw nothing itself, without loading Qt,
// and hands every other command line (a drawing subcommand, the overall help,
// a name it does not know) to vlm-cli-draw beside it, which knows all of them.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "cli/cli_context.h"

namespace vlm::cli {

inline constexpr const char* kDrawingHelperName = "vlm-cli-draw";

// The first argument after the program name that is not an option, "" if none.
[[nodiscard]] std::string requestedSubcommand(int argc, const char* const* argv);

// Replaces this process with the helper, given the same arguments. The helper
// is beside the executable in a build tree (exeDir), or in the package's
// private folder reached from exeDir by `installedRelative`. Returns only
// when that fails: the reason is printed and the result is exit status 2.
int runDrawingHelper(const std::string& exeDir, std::string_view installedRelative,
                     char* const* argv, std::ostream& err);

}  // namespace vlm::cli
