#include "core/common/program_dir.h"

#include <filesystem>
#include <system_error>

namespace vlm {

namespace {

bool holdsWeather(const std::filesystem::path& dir) {
  std::error_code error;
  return std::filesystem::is_directory(dir / "weather", error);
}

}  // namespace

std::string ProgramDirFor(const std::string& exeDir, std::string_view installedRelative) {
  const std::filesystem::path exe(exeDir);
  if (holdsWeather(exe) || installedRelative.empty()) return exeDir;
  const std::filesystem::path installed = (exe / installedRelative).lexically_normal();
  if (holdsWeather(installed)) {
    std::string dir = installed.string();
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    return dir;
  }
  return exeDir;
}

}  // namespace vlm
