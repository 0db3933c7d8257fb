#pragma once
// Where the program directory (weather/, help/) is, seen from the executable.
#include <string>
#include <string_view>

namespace vlm {

// In a build tree the program directory is the executable's own folder (it
// holds weather/); installed, it is the package's data folder, reached from the
// executable's folder by `installedRelative` (e.g. "../share/velmora"). When
// neither holds weather/, the package's data folder is returned: a load then
// names the file where the package puts it, not one beside the executable.
[[nodiscard]] std::string ProgramDirFor(const std::string& exeDir,
                                        std::string_view installedRelative);

}  // namespace vlm
