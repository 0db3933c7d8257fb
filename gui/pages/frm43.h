// frm43, the program-information page: title, version, what the program is
// for, whom to ask, and the button that starts the system-information tool.
#pragma once

#include "gui/pages/page.h"
#include "gui/system_info.h"

namespace vlm {

class Frm43 : public Page {
  Q_OBJECT

 public:
  Frm43(AppState& state, QWidget* parent);

  // Tests replace the search path and the process start.
  void setSystemInfoPlatform(SystemInfoPlatform platform) { platform_ = std::move(platform); }

  void cmdSysInfo_Click();

 private:
  SystemInfoPlatform platform_;
};

}  // namespace vlm
