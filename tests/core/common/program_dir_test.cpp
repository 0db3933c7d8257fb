#include "core/common/program_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vlm {
namespace {

namespace fs = std::filesystem;

// The two layouts the program is found in: a build tree (data beside the
// executable) and an installed package (data in share/velmora beside bin/).
TEST(ProgramDir, FoundBesideTheExecutableOrInTheInstalledDataFolder) {
  const fs::path top = fs::temp_directory_path() / "vlm_program_dir_test";
  fs::remove_all(top);
  fs::create_directories(top / "build/bin/weather");
  fs::create_directories(top / "usr/bin");
  fs::create_directories(top / "usr/share/velmora/weather");
  fs::create_directories(top / "bare/bin");
  const std::string rel = "../share/velmora";

  struct Case {
    fs::path exeDir;
    fs::path expected;
  };
  const Case cases[] = {
      {top / "build/bin", top / "build/bin"},
      {top / "usr/bin", top / "usr/share/velmora"},
      // No data anywhere: the data folder looked for, which a load's refusal names.
      {top / "bare/bin", top / "bare/share/velmora"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ProgramDirFor(c.exeDir.string(), rel), c.expected.string()) << c.exeDir;
  }
  fs::remove_all(top);
}

}  // namespace
}  // namespace vlm
