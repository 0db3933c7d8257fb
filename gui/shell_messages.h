// The messages of the application shell: window restore, printing and the
// system-information button.
#pragma once

#include <string>

#include "core/common/message.h"

namespace vlm {

// The OK/Cancel question before the window is restored to its default place.
[[nodiscard]] Message restoreWindowQuestion();
// Restoring is refused while the window is maximised or minimised.
[[nodiscard]] Message restoreWindowRefused();
// The help pages are printed from their own context menu, not by the print command.
[[nodiscard]] Message printHelpAdvice();
// No printer is installed: the page goes to a PDF file instead.
[[nodiscard]] Message noPrinterPdfNotice();
// The printer refused the page.
[[nodiscard]] Message printFailed();
// The climate report has been written.
[[nodiscard]] Message reportWritten(const std::string& path);
// No system-information tool could be found or started.
[[nodiscard]] Message systemInfoUnavailable();

// The report dialog, where the pages of the climate report are chosen.
inline constexpr const char* kReportPagesTitle = "기후 분석 보고서";
inline constexpr const char* kReportPagesPrompt = "보고서에 실을 쪽을 고르세요.";
inline constexpr const char* kReportPagesAll = "모두 선택";
inline constexpr const char* kReportPagesNone = "모두 해제";

}  // namespace vlm
