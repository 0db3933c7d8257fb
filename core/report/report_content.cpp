#include "core/report/report_content.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>

#include "core/analysis/chart_drawing.h"
#include "core/analysis/chart_legend.h"
#include "core/climate/epw_import.h"
#include "core/climate/region_catalog.h"
#include "core/climate/region_display.h"
#include "core/comfort/adaptive_chart.h"
#include "core/comfort/comfort_share_chart.h"
#include "core/common/format.h"
#include "core/psychro/psychro_chart.h"
#include "core/report/comfort_table.h"
#include "core/report/figure_caption.h"
#include "core/seasonal/carpet.h"
#include "core/seasonal/degree_days.h"
#include "core/seasonal/monthly_zones.h"
#include "core/seasonal/share_chart.h"
#include "core/solar/climate_overlay.h"
#include "core/solar/sun_path.h"

namespace vlm {
namespace {

bool endsWithEpw(const std::string& path) {
  if (path.size() < 4) return false;
  std::string ext = path.substr(path.size() - 4);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext == ".epw";
}

std::string baseName(const std::string& path) {
  const auto slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The tab's lines of tied guidelines joined by ", ".
std::string guidelineNames(std::string_view mostImportant) {
  std::string names;
  std::size_t from = 0;
  while (from <= mostImportant.size()) {
    const std::size_t end = std::min(mostImportant.find("\r\n", from), mostImportant.size());
    const std::string_view line = mostImportant.substr(from, end - from);
    if (!line.empty()) names += (names.empty() ? "" : ", ") + std::string(line);
    from = end + 2;
  }
  return names;
}

// Every need and guideline zone over the hours of the period, with the labels.
ChartContent fullChart() {
  ChartContent content;
  content.grid = content.data = content.needZones = content.guideZones = content.labels = true;
  content.need.fill(true);
  content.guide.fill(true);
  return content;
}

std::vector<std::string> coverLines(const ReportContent& r) {
  std::vector<std::string> lines{"대상지역 : " + r.source.region, "기후파일 : " + r.source.file};
  if (r.source.station) lines.push_back("관측소 : " + *r.source.station);
  lines.push_back("대상기간 : " + r.periodText);
  lines.push_back("작성일 : " + r.writtenDate);
  lines.push_back(std::string("프로그램 : ") + kProgramTitle + " 버전 " + r.version);
  return lines;
}

std::vector<ReportRose> roses(const ClimateData& climate, const std::string& region) {
  std::vector<RosePeriod> periods{RosePeriod::Year()};
  for (int16_t season = 1; season <= 4; ++season) periods.push_back(RosePeriod::Season(season));
  std::vector<ReportRose> out;
  // A period whose winds are all missing has no rose; the others still show.
  SilentSink quiet;
  for (const RosePeriod period : periods) {
    WindRoseView view(RoseGeometry::ForPicture(kReportRoseWidth, kReportRoseHeight));
    if (!view.draw(region, period, climate.WindDirCount, true, quiet)) continue;
    out.push_back(ReportRose{std::move(view), WindRoseCaption(region, period)});
  }
  return out;
}

void addSunPath(ReportContent& r) {
  std::string why;
  const std::optional<std::string> latitude = ReportLatitudeText(r.source, &why);
  if (!latitude) {
    r.sunPathNote = why;
    return;
  }
  const SunPathGeometry geometry;
  SunPathPicture picture(geometry);
  SilentSink quiet;
  if (!DrawSchart(picture, geometry, *latitude, quiet)) {
    r.sunPathNote =
        "태양궤적도: 위도 " + *latitude + "°는 태양궤적도의 범위(25~55°) 밖이므로 싣지 않았습니다.";
    return;
  }
  r.sunPath = picture.withLabels();
  r.sunPathCaption = SunPathCaption(*latitude);
}

std::string monthGuideLine(std::string_view label, const AnalysisTexts& texts) {
  const std::string names = guidelineNames(texts.mostImportant);
  return std::string(label) + " : " + (names.empty() ? "-" : names);
}

void addMonths(ReportContent& r, const ClimateData& climate) {
  SilentSink quiet;  // a year without a zoned hour has already been refused
  const MonthlyZones zones = AnalyseMonths(climate, PsychroChart{}, quiet);
  r.needShares = BuildNeedShareChart(zones, r.source.region);
  r.needSharesCaption = NeedShareCaption(r.source.region);
  for (std::size_t c = 0; c < kMonthColumns; ++c) {
    const std::string label = c == kYearColumn ? "년간" : std::to_string(c + 1) + "월";
    r.monthGuideLines.push_back(monthGuideLine(label, zones.columns[c]));
  }
}

void addCarpets(ReportContent& r, const ClimateData& climate) {
  constexpr std::array kColourings{CarpetColouring::Zone, CarpetColouring::DryBulb};
  for (std::size_t i = 0; i < kColourings.size(); ++i) {
    r.carpets[i] = BuildCarpet(climate, PsychroChart{}, kColourings[i]);
    r.carpetCaptions[i] = CarpetCaption(r.source.region, kColourings[i]);
  }
}

std::string degreeDayText(const std::optional<float>& value) {
  return value ? Format(*value, "#0.0") : std::string();
}

void addDegreeDays(ReportContent& r, const ClimateData& climate) {
  const DegreeDayTable t = DegreeDaysByMonth(climate, kDefaultHeatingBase, kDefaultCoolingBase);
  r.degreeDays.rows.push_back(
      {kTableHeadingCaption, kDegreeDayColumns[0], kDegreeDayColumns[1], kDegreeDayColumns[2]});
  const auto row = [&r](std::string label, const DegreeDays& d) {
    r.degreeDays.rows.push_back({std::move(label), degreeDayText(d.hdd), degreeDayText(d.cdd),
                                 std::to_string(d.missingHours)});
  };
  for (std::size_t m = 0; m < t.months.size(); ++m) row(std::to_string(m + 1) + "월", t.months[m]);
  row("년간", t.year);
  r.degreeDayCaption = DegreeDayCaption(r.source.region) + " (기준온도: 난방 " +
                       Format(t.heatingBase, "#0.0") + "°C, 냉방 " + Format(t.coolingBase, "#0.0") +
                       "°C)";
}

void addComfort(ReportContent& r, const ClimateData& climate) {
  constexpr ComfortModel model = ComfortModel::AshraeAdaptive;
  r.comfortShares = BuildComfortShareChart(ClassifyComfortYear(climate, {model}), r.source.region);
  r.comfortSharesCaption = ComfortCaption(r.source.region, model, kComfortShareKind);
  r.comfortChart = BuildAdaptiveChart(climate, model, r.source.region);
  r.comfortChartCaption = ComfortCaption(r.source.region, model, kAdaptiveChartKind);
}

// The station and latitude of an EPW file's LOCATION line; a broken line names nothing.
void addEpwStation(ReportSource& source) {
  std::ifstream in(source.file, std::ios::binary);
  std::string line;
  if (!std::getline(in, line)) return;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  EpwStation station;
  if (parseEpwLocation(line, station)) return;
  if (!station.name.empty()) source.station = station.name;
  source.latitude = station.latitude;
}

}  // namespace

ReportSource ReportSourceOf(const ClimateData& climate) {
  ReportSource source{climate.RegionName, climate.sourcePath(), std::nullopt, std::nullopt};
  // The loaded year's site, whichever source gave it (a converted file's
  // included); a year loaded without one may still be an EPW file's.
  if (climate.site) {
    if (!climate.site->name.empty()) source.station = climate.site->name;
    source.latitude = static_cast<float>(climate.site->latitude);
  } else if (endsWithEpw(source.file)) {
    addEpwStation(source);
  }
  source.region = RegionDisplayName(climate.RegionName, source.station.value_or(""), source.file);
  return source;
}

std::optional<std::string> ReportLatitudeText(const ReportSource& source, std::string* why) {
  if (regionByKoreanName(source.region)) {
    for (const SchartCity& city : kSchartCities) {
      if (city.name == source.region) return std::string(city.latitudeText);
    }
  } else if (source.latitude) {
    // Str writes a positive number with the sign's space in front.
    std::string text = Str(*source.latitude);
    text.erase(0, text.find_first_not_of(' '));
    return text;
  }
  if (why != nullptr) {
    *why = "태양궤적도: 기후파일에 위도가 기록되어 있지 않으므로 싣지 않았습니다.";
  }
  return std::nullopt;
}

Message ClimateReportNoRegionMessage() {
  return errorMessage(
      {"기후 분석 보고서를 작성할 대상지역이 선택되지 않았습니다.", "",
       "[지역선택 메뉴에서 대상지역을 선택한 후 지역선택 확인 버튼을 클릭하세요.]"});
}

Message ReportNoPageMessage(const std::vector<std::string>& reasons) {
  std::vector<std::string> lines{"선택한 쪽 가운데 보고서에 실을 수 있는 쪽이 없습니다."};
  if (!reasons.empty()) lines.emplace_back();
  for (const std::string& reason : reasons) lines.push_back("[" + reason + "]");
  return errorMessage(std::move(lines));
}

bool ReportShows(const ReportContent& content, ReportPage page) {
  if (!content.pages.has(page)) return false;
  switch (page) {
    case ReportPage::Rose:
      return !content.roses.empty();
    case ReportPage::SunPath:
      return content.sunPath.has_value();
    case ReportPage::Radiation:
      return content.radiation.has_value();
    default:
      return true;
  }
}

std::optional<ReportContent> BuildReportContent(const ClimateData& climate,
                                                const ReportSource& source, int16_t start,
                                                int16_t end, std::string writtenDate,
                                                std::string version, Psychrometrics& psychro,
                                                MessageSink& sink, ReportPageSet pages) {
  if (!climate.loaded()) {
    sink.show(ClimateReportNoRegionMessage());
    return std::nullopt;
  }
  ReportContent r;
  r.pages = pages;
  r.source = source;
  r.writtenDate = std::move(writtenDate);
  r.version = std::move(version);

  // The analysis first: a period with no hour on the chart ends here, with the
  // analysis tab's own message, whichever pages are asked for.
  PsychroChart chart;
  SetPatm(0, psychro);
  (void)chart.SetChartScale(kReportChartWidth * kChartUnitsPerPixel,
                            kReportChartHeight * kChartUnitsPerPixel);
  r.analysis = ShowAnalysis(climate, start, end, chart, sink);
  if (!r.analysis.complete) return std::nullopt;
  r.analysis.summary[0] = source.region;
  r.analysis.summary[1] = baseName(source.file);
  r.periodText = r.analysis.summary[2];

  if (pages.has(ReportPage::Chart)) {
    const ChartPeriod period{PeriodMode::Hourly, start, end};
    r.bioChart = BuildBioChart(psychro, chart, sink, fullChart(), climate, period,
                               kReportChartWidth, kReportChartHeight);
    r.bioChartLegend = BioChartLegend(fullChart(), period, std::nullopt);
    r.bioChartCaption = BioChartCaption(source.region, r.periodText);
  }
  if (pages.has(ReportPage::Monthly)) {
    for (std::size_t i = 0; i < kMonthlyElements.size(); ++i) {
      const MonthlyElement element = kMonthlyElements[i];
      r.monthly[i] =
          BuildMonthlyChart(MonthlyTable(climate, element), source.region, element, true);
      r.monthlyCaptions[i] = MonthlyChartCaption(source.region, element);
    }
  }
  if (pages.has(ReportPage::Rose)) {
    r.roses = roses(climate, source.region);
    if (r.roses.empty()) r.roseNote = "풍향: 풍향 자료가 없으므로 싣지 않았습니다.";
  }
  if (pages.has(ReportPage::SunPath)) {
    addSunPath(r);
    // With the year's site known, the diagram carries the year's daytime hours.
    if (r.sunPath && climate.site) {
      const SolarSite site{climate.site->latitude, climate.site->longitude, climate.site->utcOffset,
                           climate.site->radiationLag};
      DrawClimateOverlay(*r.sunPath, SunPathGeometry{},
                         WishedHours(climate, SunWishes(climate, chart), site));
    }
  }
  if (pages.has(ReportPage::Months)) addMonths(r, climate);
  if (pages.has(ReportPage::Carpet)) addCarpets(r, climate);
  if (pages.has(ReportPage::DegreeDays)) addDegreeDays(r, climate);
  if (pages.has(ReportPage::Radiation)) r.radiation = ReportRadiationOf(climate, r.radiationNote);
  if (pages.has(ReportPage::Comfort)) addComfort(r, climate);

  const bool anyPage =
      std::any_of(kReportPages.begin(), kReportPages.end(),
                  [&r](const ReportPageInfo& info) { return ReportShows(r, info.page); });
  if (!anyPage) {
    std::vector<std::string> reasons;
    for (const std::string* note : {&r.roseNote, &r.sunPathNote, &r.radiationNote})
      if (!note->empty()) reasons.push_back(*note);
    sink.show(ReportNoPageMessage(reasons));
    return std::nullopt;
  }
  r.coverLines = coverLines(r);
  r.header = source.region + " | " + baseName(source.file);
  return r;
}

std::string MostImportantSentence(std::string_view mostImportant) {
  return "가장 중요한 기후설계 지침은 " + guidelineNames(mostImportant) + "입니다.";
}

std::string IsoDate(std::chrono::system_clock::time_point moment) {
  const std::chrono::year_month_day day{std::chrono::floor<std::chrono::days>(moment)};
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(day.year()),
                static_cast<unsigned>(day.month()), static_cast<unsigned>(day.day()));
  return text;
}

std::string ReportPageNumber(int page, int pages) {
  return std::to_string(page) + " / " + std::to_string(pages);
}

}  // namespace vlm
