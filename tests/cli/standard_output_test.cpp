// vlm-cli's exit status and message when its standard output could not be written.
#include "cli/standard_output.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <ext/stdio_sync_filebuf.h>
#include <ostream>
#include <sstream>
#include <string>

#include "cli/cli_context.h"

namespace vlm::cli {
namespace {

// An ostream writing through the C stream `file`, as std::cout does.
struct CStream {
  explicit CStream(std::FILE* f) : file(f), buffer(f), stream(&buffer) {}
  ~CStream() { std::fclose(file); }
  std::FILE* file;
  __gnu_cxx::stdio_sync_filebuf<char> buffer;
  std::ostream stream;
};

TEST(StandardOutput, AnUnwritableOutputIsAPlatformFailure) {
  std::ostringstream err;
  {
    CStream full(std::fopen("/dev/full", "w"));
    ASSERT_NE(full.file, nullptr);
    StandardOutput output(full.stream, full.file);
    full.stream << "{\"region\": \"서울\"}\n";
    EXPECT_EQ(output.finish(kExitDone, err), kExitPlatform);
    EXPECT_EQ(err.str(), "디스크 공간이 부족합니다. (표준 출력)\n");
  }
  err.str("");
  CStream null(std::fopen("/dev/null", "w"));
  ASSERT_NE(null.file, nullptr);
  StandardOutput output(null.stream, null.file);
  null.stream << "{}\n";
  EXPECT_EQ(output.finish(kExitRefused, err), kExitRefused);
  EXPECT_EQ(err.str(), "");
}

// Output larger than the C stream's buffer fails while it is written, not at
// the final flush, which then finds nothing to write: the reason is the write's.
TEST(StandardOutput, TheReasonIsThatOfTheFirstFailedWrite) {
  for (const char* args : {"load seoul", "load seoul --hourly"}) {
    const std::string command =
        std::string(VLM_PROGRAM_DIR) + "/vlm-cli " + args + " 2>&1 >/dev/full";
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string err;
    char buffer[512];
    for (std::size_t got = 0; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
      err.append(buffer, got);
    const int status = ::pclose(pipe);
    EXPECT_EQ(WEXITSTATUS(status), kExitPlatform) << args;
    EXPECT_EQ(err, "디스크 공간이 부족합니다. (표준 출력)\n") << args;
  }
}

}  // namespace
}  // namespace vlm::cli
