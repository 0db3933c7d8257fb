#include "cli/drawing_handoff.h"

#include <unistd.h>

#include <cerrno>
#include <ostream>

#include "core/common/file_error.h"

namespace vlm::cli {

std::string requestedSubcommand(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    if (argv[i][0] != '-') return argv[i];
  }
  return {};
}

int runDrawingHelper(const std::string& exeDir, std::string_view installedRelative,
                     char* const* argv, std::ostream& err) {
  std::string helper = exeDir + "/" + kDrawingHelperName;
  if (::access(helper.c_str(), X_OK) != 0) {
    helper = exeDir + "/" + std::string(installedRelative) + "/" + kDrawingHelperName;
  }
  ::execv(helper.c_str(), argv);
  err << describeFileError(errno, helper) << '\n';
  return kExitPlatform;
}

}  // namespace vlm::cli
