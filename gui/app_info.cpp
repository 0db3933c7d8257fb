#include "gui/app_info.h"

namespace vlm {

QString versionText() {
  return QStringLiteral("버전 %1.%2.%3")
      .arg(kVersionMajor)
      .arg(kVersionMinor)
      .arg(kVersionRevision);
}

}  // namespace vlm
