// The climate report as one vector PDF: A4 portrait pages with a header (the
// region and its file) and page numbers, laid out from a ReportContent whose
// figures come from the same Drawings and chart builders as the screens.
#pragma once

#include <functional>
#include <string>

#include "core/report/report_content.h"

namespace vlm::render {

// Called before each page is painted: page 1 … pages.
using ReportProgress = std::function<void(int page, int pages)>;

// The number of pages the report of `content` takes.
[[nodiscard]] int reportPageCount(const ReportContent& content);

// Writes the report to `path` through a temporary file renamed into place, so
// an existing file stays as it was on failure. Throws FileError when the file
// cannot be written. Needs a QApplication (the monthly charts are Qt charts).
void writeClimateReport(const ReportContent& content, const std::string& path,
                        const ReportProgress& progress = {});

}  // namespace vlm::render
