#include "core/report/figure_caption.h"

#include <array>

namespace vlm {
namespace {

constexpr std::string_view kSeparator = " | ";
// The date curves run from the summer to the winter solstice.
constexpr std::string_view kSunPathPeriod = "하지~동지";

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

}  // namespace

std::string JoinCaption(std::string_view subject, std::string_view period, std::string_view kind) {
  std::string out;
  for (const std::string_view part : std::array{subject, period, kind}) {
    const std::string_view text = trimmed(part);
    if (text.empty()) continue;
    if (!out.empty()) out += kSeparator;
    out += text;
  }
  return out;
}

std::string LatitudeSubject(std::string_view latitudeText) {
  const std::string_view text = trimmed(latitudeText);
  if (text.empty()) return {};
  return "위도 " + std::string(text) + "°";
}

std::string BioChartCaption(std::string_view region, std::string_view periodText) {
  return JoinCaption(region, periodText, "건물생체기후도");
}

std::string MonthlyChartCaption(std::string_view region, MonthlyElement element) {
  const std::string kind =
      "월별 " + std::string(ElementText(element).axisTitle) + "(최대값, 평균, 최소값)";
  return JoinCaption(region, "1월~12월, 년간", kind);
}

std::string WindRoseCaption(std::string_view region, RosePeriod period) {
  std::string_view when = "년간";
  if (period.kind == RosePeriodKind::Month)
    when = kRoseMonthItems.at(static_cast<std::size_t>(period.index - 1));
  if (period.kind == RosePeriodKind::Season)
    when = kRoseSeasonItems.at(static_cast<std::size_t>(period.index - 1));
  return JoinCaption(region, when, "풍향도");
}

std::string SunPathCaption(std::string_view latitudeText) {
  return JoinCaption(LatitudeSubject(latitudeText), kSunPathPeriod, "태양궤적도");
}

std::string ShadingMaskCaption(std::string_view latitudeText, std::string_view device) {
  const std::string_view shade = trimmed(device);
  const std::string kind =
      shade.empty() ? std::string("음영마스크") : "음영마스크(" + std::string(shade) + ")";
  return JoinCaption(LatitudeSubject(latitudeText), kSunPathPeriod, kind);
}

std::string NeedShareCaption(std::string_view region) {
  return JoinCaption(region, "1월~12월, 년간", "월별 생체기후적 요구 죤 비율(%)");
}

std::string CarpetCaption(std::string_view region, CarpetColouring colouring) {
  const std::string_view kind = colouring == CarpetColouring::Zone
                                    ? "시간별 분포(생체기후적 요구 죤)"
                                    : "시간별 분포(건구온도)";
  return JoinCaption(region, "1월 1일 0시~12월 31일 23시", kind);
}

std::string ComparisonCaption(std::string_view region, std::string_view other) {
  const std::string subject = std::string(trimmed(region)) + " / " + std::string(trimmed(other));
  return JoinCaption(subject, "1월~12월", "기후 비교(월평균 건구온도, 상대습도)");
}

}  // namespace vlm
