#include "cli/standard_output.h"

#include <cerrno>
#include <ostream>

#include "cli/cli_context.h"
#include "core/common/file_error.h"

namespace vlm::cli {

int finishStandardOutput(int status, std::ostream& stream, std::FILE* file, std::ostream& err) {
  errno = 0;
  stream.flush();
  const bool flushed = std::fflush(file) == 0;
  if (flushed && !std::ferror(file) && stream.good()) return status;
  const int error = errno != 0 ? errno : EIO;
  err << describeFileError(error, "표준 출력") << '\n';
  return kExitPlatform;
}

}  // namespace vlm::cli
