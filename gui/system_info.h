// Starting the desktop's system-information tool (the program-information
// page's "시스템 정보..." button). There is no registry here: the tool is looked
// for among the known system-information programs on the search path.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "core/common/message.h"

namespace vlm {

struct SystemInfoTool {
  QString program;  // the name to find on the search path
  QStringList arguments;
};

// The system-information programs of the common desktops, most specific first.
[[nodiscard]] const std::vector<SystemInfoTool>& systemInfoTools();

// How a tool is found and started; the defaults use the search path and start
// the tool as a separate process without waiting for it.
struct SystemInfoPlatform {
  // The full path of a program, or "" when it is not installed.
  std::function<QString(const QString& program)> findExecutable;
  // Starts the program detached; false when it could not be started.
  std::function<bool(const QString& path, const QStringList& arguments)> startDetached;
};
[[nodiscard]] SystemInfoPlatform desktopPlatform();

// StartSysInfo: starts the first installed tool; when none is installed or it
// cannot be started, shows "지금은 시스템 정보를 사용할 수 없습니다." once.
// Returns the path of the started tool.
std::optional<QString> startSystemInfo(const SystemInfoPlatform& platform, MessageSink& sink);

}  // namespace vlm
