#include "cli/standard_output.h"

#include <cerrno>
#include <ostream>

#include "cli/cli_context.h"
#include "core/common/file_error.h"

namespace vlm::cli {

StandardOutput::StandardOutput(std::ostream& stream, std::FILE* file)
    : stream_(stream), file_(file), passedTo_(stream.rdbuf(this)) {}

StandardOutput::~StandardOutput() { stream_.rdbuf(passedTo_); }

// Each pass-through starts with errno cleared, so that what a failed write
// leaves there is its own reason.
StandardOutput::int_type StandardOutput::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  errno = 0;
  if (traits_type::eq_int_type(passedTo_->sputc(traits_type::to_char_type(c)),
                               traits_type::eof())) {
    noteFailure();
    return traits_type::eof();
  }
  return c;
}

std::streamsize StandardOutput::xsputn(const char* text, std::streamsize count) {
  errno = 0;
  const std::streamsize written = passedTo_->sputn(text, count);
  if (written < count) noteFailure();
  return written;
}

int StandardOutput::sync() {
  errno = 0;
  const int synced = passedTo_->pubsync();
  if (synced != 0) noteFailure();
  return synced;
}

void StandardOutput::noteFailure() {
  if (firstError_ == 0) firstError_ = errno != 0 ? errno : EIO;
}

int StandardOutput::finish(int status, std::ostream& err) {
  stream_.flush();
  errno = 0;
  if (std::fflush(file_) != 0) noteFailure();
  if (firstError_ == 0 && (std::ferror(file_) || !stream_.good())) noteFailure();
  if (firstError_ == 0) return status;
  err << describeFileError(firstError_, "표준 출력") << '\n';
  return kExitPlatform;
}

}  // namespace vlm::cli
