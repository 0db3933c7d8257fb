#include "core/report/report_pages.h"

#include <algorithm>

namespace vlm {

std::string_view ReportPageHeading(ReportPage page) {
  return kReportPages.at(static_cast<std::size_t>(page)).heading;
}

std::optional<ReportPageSet> ParseReportPages(std::string_view list, std::string* bad) {
  ReportPageSet set;
  std::size_t from = 0;
  while (from <= list.size()) {
    const std::size_t comma = std::min(list.find(',', from), list.size());
    std::string_view key = list.substr(from, comma - from);
    while (!key.empty() && key.front() == ' ') key.remove_prefix(1);
    while (!key.empty() && key.back() == ' ') key.remove_suffix(1);
    const ReportPageInfo* found = nullptr;
    for (const ReportPageInfo& info : kReportPages)
      if (info.key == key) found = &info;
    if (found == nullptr) {
      if (bad != nullptr) *bad = std::string(key);
      return std::nullopt;
    }
    set.add(found->page);
    from = comma + 1;
  }
  return set;
}

std::string ReportPageKeys() {
  std::string keys;
  for (const ReportPageInfo& info : kReportPages)
    keys += (keys.empty() ? "" : ", ") + std::string(info.key);
  return keys;
}

}  // namespace vlm
