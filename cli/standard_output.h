// The end of a run: whatever was written to standard output must have reached
// it. A full disk or a closed pipe is a platform failure (exit status 2), not
// a success, and the failure reported is the first one: once a write has
// failed, later writes and the final flush fail for reasons of their own, or
// find nothing left to write and leave no reason at all.
#pragma once

#include <cstdio>
#include <iosfwd>
#include <streambuf>

namespace vlm::cli {

// For the run's lifetime, passes every write to `stream` through to its own
// buffer and keeps the platform's reason for the first that failed.
class StandardOutput final : private std::streambuf {
 public:
  // `file` is the C stream beneath `stream`, flushed at the end.
  StandardOutput(std::ostream& stream, std::FILE* file);
  ~StandardOutput() override;
  StandardOutput(const StandardOutput&) = delete;
  StandardOutput& operator=(const StandardOutput&) = delete;

  // Flushes both streams. When any write failed, prints the description of the
  // first failure to `err` and returns 2; else `status`.
  [[nodiscard]] int finish(int status, std::ostream& err);

 private:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* text, std::streamsize count) override;
  int sync() override;
  void noteFailure();

  std::ostream& stream_;
  std::FILE* file_;
  std::streambuf* passedTo_;
  int firstError_ = 0;
};

}  // namespace vlm::cli
