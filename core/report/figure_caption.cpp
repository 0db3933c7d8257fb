#include "core/report/figure_caption.h"

#include <array>
#include <regex>

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

// One part of a caption as it stands in a file name.
std::string FileNamePart(std::string_view part) {
  std::string text(part);
  // PeriodText ends in "(총 8760시간)", which says nothing the dates do not.
  if (const auto count = text.find("(총 "); count != std::string::npos) text.erase(count);
  std::string out;
  for (const char c : text) {
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
    if (c == '~') {
      out += '-';
    } else if (std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos ||
               static_cast<unsigned char>(c) < 0x20) {
      out += '_';
    } else {
      out += c;
    }
  }
  // From 0 h of the first day to 23 h of the last: the days alone.
  static const std::regex wholeDays("^([0-9]+월[0-9]+일)0시-([0-9]+월[0-9]+일)23시$");
  return std::regex_replace(out, wholeDays, "$1-$2");
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

std::string ShadePerformanceCaption(std::string_view region, std::string_view device) {
  const std::string_view shade = trimmed(device);
  const std::string kind =
      shade.empty() ? std::string("차양 성능") : "차양 성능(" + std::string(shade) + ")";
  return JoinCaption(region, "1월~12월, 년간", kind);
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

std::string AnalysisTableCaption(std::string_view region, std::string_view periodText) {
  return JoinCaption(region, periodText, "분석 결과");
}

std::string DegreeDayCaption(std::string_view region) {
  return JoinCaption(region, "1월~12월, 년간", "도일");
}

std::string FormCaptionKind(std::string_view formCaption) {
  const auto dash = formCaption.find('-');
  const bool numbered =
      dash != std::string_view::npos && dash > 0 &&
      formCaption.substr(0, dash).find_first_not_of("0123456789") == std::string_view::npos;
  return std::string(trimmed(numbered ? formCaption.substr(dash + 1) : formCaption));
}

std::string ClimateReportCaption(std::string_view region, std::string_view periodText) {
  return JoinCaption(region, periodText, "보고서");
}

std::string CaptionFileName(std::string_view caption, std::string_view extension) {
  std::string name;
  std::string_view rest = caption;
  while (!rest.empty()) {
    const auto end = rest.find(kSeparator);
    const std::string part = FileNamePart(rest.substr(0, end));
    if (!part.empty()) name += (name.empty() ? "" : "_") + part;
    rest =
        end == std::string_view::npos ? std::string_view() : rest.substr(end + kSeparator.size());
  }
  if (name.empty() || extension.empty()) return name;
  return name + "." + std::string(extension);
}

}  // namespace vlm
