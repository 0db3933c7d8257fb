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
  std::string installed = (exe / installedRelative).lexically_normal().string();
  while (installed.size() > 1 && installed.back() == '/') installed.pop_back();
  return installed;
}

}  // namespace vlm
