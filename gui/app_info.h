// The program's name and version as the splash, the group page and the
// program-information page show them.
#pragma once

#include <QString>

namespace vlm {

inline constexpr int kVersionMajor = VLM_VERSION_MAJOR;
inline constexpr int kVersionMinor = VLM_VERSION_MINOR;
inline constexpr int kVersionRevision = VLM_VERSION_PATCH;

// "버전 " followed by major.minor.revision, each a plain integer.
[[nodiscard]] QString versionText();

// The organisation and application under which the per-user settings live.
inline constexpr const char* kSettingsOrganisation = "Velmora";
inline constexpr const char* kSettingsApplication = "Velmora";

}  // namespace vlm
