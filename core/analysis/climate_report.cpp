#include "core/analysis/climate_report.h"

#include <algorithm>

#include "core/analysis/period.h"
#include "core/climate/date_time.h"
#include "core/common/atomic_file.h"
#include "core/common/cp949.h"
#include "core/common/format.h"

namespace vlm {
namespace {

constexpr const char* kReportRemedy = "[대상기간을 정확히 입력한 후 다시 시도하시기 바랍니다.]";

constexpr std::array<LegendRow, 13> kLegend{{
    {"[요소]", "[단위]", "[결측표시]", "[비고]"},
    {"월 일 시", "-", "-", ""},
    {"건구온도", "'C", "999", ""},
    {"습구온도", "'C", "999", ""},
    {"기상대기압", "kPa", "9999", "Station Pressure"},
    {"풍향(16방위)", "-", "999", "0:무풍, 23:북북동, 90:동, 180:남, ... , 360:북"},
    {"풍속", "m/s", "999", ""},
    {"운량(0~10)", "-", "99", "0:완전청천공, ... , 10:완전담천공"},
    {"일사량", "cal/cm^2", "9999", "Total Solar Radiation"},
    {"절대습도", "kg/kg'", "999", ""},
    {"수증기분압", "kPa", "999", ""},
    {"상대습도", "%", "999", ""},
    {"비체적", "m^3/kg", "999", ""},
}};

// Bytes of a UTF-8 text in CP949: ASCII one, every other character (here
// Hangul syllables) two.
std::size_t cp949Width(std::string_view utf8) {
  std::size_t width = 0;
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      ++width;
    } else if ((byte & 0xC0) != 0x80) {
      width += 2;
    }
  }
  return width;
}

void padTo(std::string& line, std::size_t column) {
  const std::size_t width = cp949Width(line);
  line.append(width < column ? column - width : 1, ' ');
}

}  // namespace

std::span<const LegendRow> ReportLegend() { return kLegend; }

std::string LegendLine(const LegendRow& row) {
  std::string line(row.element);
  padTo(line, 15);
  line += row.unit;
  padTo(line, 25);
  line += row.marker;
  if (!row.remark.empty()) {
    padTo(line, 36);
    line += row.remark;
  }
  return line;
}

Message ReportNoRegionMessage() {
  return errorMessage(
      {"기후데이터 추출, 저장을 위한 대상지역이 선택되지 않았습니다.", "",
       "[지역선택 메뉴에서 대상지역을 선택한 후 지역선택 확인 버튼을 클릭하세요.]"});
}

Message ReportBlankPeriodMessage() {
  return errorMessage(
      {"기후데이터 추출, 저장을 위한 대상기간에 공란이 있습니다.", "", kReportRemedy});
}

Message ReportPeriodOrderMessage() {
  return errorMessage({"기후데이터 추출, 저장을 위한 대상기간이 유효하지 않습니다.",
                       "시작 시간이 끝 시간보다 늦습니다.", "", kReportRemedy});
}

Message ReportSavedMessage() { return infoMessage({"기후데이터 추출, 저장이 완료되었습니다."}); }

std::optional<ReportPeriod> CheckReportPeriod(std::string_view regionLabel,
                                              const std::array<std::string, 6>& fields,
                                              MessageSink& sink) {
  if (regionLabel.empty()) {
    sink.show(ReportNoRegionMessage());
    return std::nullopt;
  }
  if (std::any_of(fields.begin(), fields.end(), [](const std::string& f) { return f.empty(); })) {
    sink.show(ReportBlankPeriodMessage());
    return std::nullopt;
  }
  ReportPeriod period;
  for (std::size_t i = 0; i < fields.size(); ++i) period.typed[i] = PeriodFieldNumber(fields[i]);
  const auto& t = period.typed;
  period.start = GetHourOfYear(t[0], t[1], t[2], sink);
  period.end = GetHourOfYear(t[3], t[4], t[5], sink);
  if (period.start == -1 || period.end == -1) return std::nullopt;
  if (period.end < period.start) {
    sink.show(ReportPeriodOrderMessage());
    return std::nullopt;
  }
  return period;
}

std::string ReportFileName(std::string_view region, const ReportPeriod& period) {
  std::string name(region);
  for (char& c : name)
    if (c == '/' || c == '\\') c = '_';
  const auto& t = period.typed;
  const auto stamp = [](int16_t month, int16_t day, int16_t hour) {
    return std::to_string(month) + "월" + std::to_string(day) + "일" + std::to_string(hour) + "시";
  };
  return name + "_" + stamp(t[0], t[1], t[2]) + "-" + stamp(t[3], t[4], t[5]) + ".txt";
}

std::vector<std::string> ReportHeader(const ClimateData& climate, const ReportPeriod& period) {
  const auto& t = period.typed;
  std::vector<std::string> lines;
  lines.reserve(18);
  lines.push_back("(1) 대상지역 : " + climate.RegionName);
  lines.push_back("(2) 원본 기후파일 : " + climate.sourcePath());
  lines.push_back("(3) 대상기간 : " + Str(t[0]) + "월" + Str(t[1]) + "일" + Str(t[2]) + "시 ~ " +
                  Str(t[3]) + "월" + Str(t[4]) + "일" + Str(t[5]) + "시");
  lines.push_back("(4) 기후데이터 요소 설명");
  for (const LegendRow& row : kLegend) lines.push_back(LegendLine(row));
  lines.push_back("(5) 기후데이터");
  return lines;
}

// Missing values go through the same patterns as measured ones: a missing
// dry-bulb reads 999.0, a missing radiation (9999 tenths) 999.9.
std::string ReportHourLine(const ClimateData& climate, int16_t h, MessageSink& sink) {
  const HourRecord& r = climate.year[static_cast<std::size_t>(h)];
  const auto radiation = static_cast<float>(static_cast<double>(r.Radiation) / 10.0);
  std::string line;
  line.reserve(96);
  line += Str(GetMonth(h, sink));
  line += ',' + Str(GetDay(h, sink));
  line += ',' + Str(GetHour(h, sink));
  line += ',' + Format(r.DBT, "#0.0");
  line += ',' + Format(r.WBT, "#0.0");
  line += ',' + Format(r.Pressure, "#0.000");
  line += ',' + Format(static_cast<float>(r.WindDir), "#0");
  line += ',' + Format(r.WindSpeed, "#0.0");
  line += ',' + Format(static_cast<float>(r.Cloud), "#0");
  line += ',' + Format(radiation, "#0.0");
  line += ',' + Format(r.AH, "#0.0000");
  line += ',' + Format(r.VP, "#0.0000");
  line += ',' + Format(r.RH, "#0.0");
  line += ',' + Format(r.SpecV, "#0.0000");
  return line;
}

std::string ClimateReportBytes(const ClimateData& climate, const ReportPeriod& period,
                               MessageSink& sink) {
  std::string utf8;
  const int hours = std::max(0, period.end - period.start + 1);
  utf8.reserve(1500 + static_cast<std::size_t>(hours) * 90);
  for (const std::string& line : ReportHeader(climate, period)) utf8 += line + "\r\n";
  const int first = std::max<int>(period.start, 1);
  const int last = std::min<int>(period.end, kHoursPerYear);
  for (int h = first; h <= last; ++h) {
    utf8 += ReportHourLine(climate, static_cast<int16_t>(h), sink);
    utf8 += "\r\n";
  }
  // A region or path that CP949 cannot hold still gives a report.
  return toCp949Replacing(utf8);
}

void WriteClimateReport(const std::string& path, const ClimateData& climate,
                        const ReportPeriod& period, MessageSink& sink) {
  writeFileAtomically(path, ClimateReportBytes(climate, period, sink));
}

}  // namespace vlm
