// vlm-cli's exit status when its standard output could not be written.
#include "cli/standard_output.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "cli/cli_context.h"

namespace vlm::cli {
namespace {

TEST(StandardOutput, AnUnwritableOutputIsAPlatformFailure) {
  std::FILE* full = std::fopen("/dev/full", "w");
  ASSERT_NE(full, nullptr);
  std::fputs("{\"region\": \"서울\"}\n", full);
  std::ostringstream stream, err;
  EXPECT_EQ(finishStandardOutput(kExitDone, stream, full, err), kExitPlatform);
  EXPECT_EQ(err.str(), "디스크 공간이 부족합니다. (표준 출력)\n");
  std::fclose(full);

  std::FILE* null = std::fopen("/dev/null", "w");
  ASSERT_NE(null, nullptr);
  std::fputs("{}\n", null);
  err.str("");
  EXPECT_EQ(finishStandardOutput(kExitRefused, stream, null, err), kExitRefused);
  EXPECT_EQ(err.str(), "");
  std::fclose(null);
}

}  // namespace
}  // namespace vlm::cli
