// The pages of the climate report in the report's own order, each with the key
// that names it on the command line and the heading it carries (the caption of
// the screen or tab it comes from). The cover's table of contents and the
// report dialog's check boxes show the headings; a report holds any subset.
#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vlm {

enum class ReportPage {
  Cover,
  Chart,
  Analysis,
  Monthly,
  Rose,
  SunPath,
  Months,
  Carpet,
  DegreeDays,
  Radiation,
  Comfort
};

struct ReportPageInfo {
  ReportPage page;
  std::string_view key;
  std::string_view heading;
};

inline constexpr std::array<ReportPageInfo, 11> kReportPages{{
    {ReportPage::Cover, "cover", "표지"},
    {ReportPage::Chart, "chart", "건물생체기후도"},
    {ReportPage::Analysis, "analysis", "분석 결과 및 기후설계 지침별 순위"},
    {ReportPage::Monthly, "monthly", "월별 기후표현"},
    {ReportPage::Rose, "rose", "풍향"},
    {ReportPage::SunPath, "sunpath", "태양궤적도"},
    {ReportPage::Months, "months", "월별 존 분석"},
    {ReportPage::Carpet, "carpet", "시간별 분포"},
    {ReportPage::DegreeDays, "degree-days", "도일"},
    {ReportPage::Radiation, "radiation", "일사 분석"},
    {ReportPage::Comfort, "comfort", "열쾌적 분석"},
}};

// Which pages a report holds, indexed as kReportPages.
class ReportPageSet {
 public:
  [[nodiscard]] static ReportPageSet All() {
    ReportPageSet set;
    set.bits_.set();
    return set;
  }
  void add(ReportPage page) { bits_.set(static_cast<std::size_t>(page)); }
  void remove(ReportPage page) { bits_.reset(static_cast<std::size_t>(page)); }
  [[nodiscard]] bool has(ReportPage page) const {
    return bits_.test(static_cast<std::size_t>(page));
  }
  [[nodiscard]] bool empty() const { return bits_.none(); }
  bool operator==(const ReportPageSet&) const = default;

 private:
  std::bitset<kReportPages.size()> bits_;
};

[[nodiscard]] std::string_view ReportPageHeading(ReportPage page);

// The heading of the cover's table of contents.
inline constexpr std::string_view kReportContentsHeading = "차례";

// "chart,rose,cover": the pages named, in any order and each once or more.
// A key not in kReportPages, an empty one among them, refuses the whole list:
// nullopt with the offending key in `bad`.
[[nodiscard]] std::optional<ReportPageSet> ParseReportPages(std::string_view list,
                                                            std::string* bad = nullptr);

// "cover, chart, …": the keys, for a usage text.
[[nodiscard]] std::string ReportPageKeys();

}  // namespace vlm
