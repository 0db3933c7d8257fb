#include "gui/system_info.h"

#include <QProcess>
#include <QStandardPaths>

#include "gui/shell_messages.h"

namespace vlm {

const std::vector<SystemInfoTool>& systemInfoTools() {
  static const std::vector<SystemInfoTool> tools = {
      {QStringLiteral("kinfocenter"), {}},
      {QStringLiteral("hardinfo2"), {}},
      {QStringLiteral("hardinfo"), {}},
  };
  return tools;
}

SystemInfoPlatform desktopPlatform() {
  return SystemInfoPlatform{
      [](const QString& program) { return QStandardPaths::findExecutable(program); },
      [](const QString& path, const QStringList& arguments) {
        return QProcess::startDetached(path, arguments);
      }};
}

std::optional<QString> startSystemInfo(const SystemInfoPlatform& platform, MessageSink& sink) {
  for (const SystemInfoTool& tool : systemInfoTools()) {
    const QString path = platform.findExecutable(tool.program);
    if (path.isEmpty()) continue;
    // The first tool found is the one to start; if it fails, the box says so
    // rather than surprising the user with a different program.
    if (platform.startDetached(path, tool.arguments)) return path;
    break;
  }
  sink.show(systemInfoUnavailable());
  return std::nullopt;
}

}  // namespace vlm
