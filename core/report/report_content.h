// What the climate report holds, computed once by the same core functions the
// screens use: the cover's lines, the bioclimatic chart of the period with every
// need and guideline zone, the analysis texts, the four monthly charts with
// their numbers, the wind roses of the year and the four seasons, and the
// sun-path diagram at the region's latitude (or why it is left out). The
// render layer lays these out on pages; it computes nothing of its own.
#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/analysis/analysis_summary.h"
#include "core/climate/climate_data.h"
#include "core/common/message.h"
#include "core/draw/drawing.h"
#include "core/graphs/monthly_chart.h"
#include "core/graphs/rose_view.h"
#include "core/psychro/psychrometrics.h"
#include "core/report/radiation_report.h"

namespace vlm {

// Where the year came from.
struct ReportSource {
  std::string region;                  // the region name ("서울", "기타", …)
  std::string file;                    // the climate file that was read
  std::optional<std::string> station;  // the station where the file names one
  std::optional<float> latitude;       // the latitude where the file records one
};

// The source of a loaded year: the station and latitude of its site, or, for
// a year without one, those of its EPW file's LOCATION line.
[[nodiscard]] ReportSource ReportSourceOf(const ClimateData& climate);

// The latitude text of the sun-path page for the report: for a built-in region
// its city's entry in the sun-path page's list, for another file the latitude
// the file records; otherwise nullopt and the reason in `why`.
[[nodiscard]] std::optional<std::string> ReportLatitudeText(const ReportSource& source,
                                                            std::string* why = nullptr);

// The bioclimatic chart's picture in the report, in screen pixels.
inline constexpr float kReportChartWidth = 720.0f;
inline constexpr float kReportChartHeight = 540.0f;
// A wind rose's picture in the report, in pixels.
inline constexpr float kReportRoseWidth = 620.0f;
inline constexpr float kReportRoseHeight = 480.0f;

struct ReportRose {
  WindRoseView view;
  std::string caption;
};

struct ReportContent {
  ReportSource source;
  std::string periodText;
  std::string writtenDate;  // "2026-12-08"
  std::string version;      // "1.0.0"
  std::vector<std::string> coverLines;
  std::string header;  // region and file, at the top of every page
  Drawing bioChart;
  std::string bioChartCaption;
  AnalysisTexts analysis;
  std::array<MonthlyChart, 4> monthly;
  std::array<std::string, 4> monthlyCaptions;
  std::vector<ReportRose> roses;  // the year, then spring … winter (periods with data)
  std::optional<Drawing> sunPath;
  std::string sunPathCaption;
  std::string sunPathNote;  // why the diagram is left out
  std::optional<ReportRadiation> radiation;
  std::string radiationNote;  // why the solar radiation page is left out
  // The thermal comfort page (key "comfort"): the whole year's classes under
  // ASHRAE 55's adaptive model as bars, and its adaptive chart.
  Drawing comfortShares;
  std::string comfortSharesCaption;
  Drawing comfortChart;
  std::string comfortChartCaption;
};

// The report's heading texts.
inline constexpr const char* kReportTitle = "기후 분석 보고서";

// "기후 분석 보고서를 작성할 대상지역이 선택되지 않았습니다." in an "에러" box.
[[nodiscard]] Message ClimateReportNoRegionMessage();

// Everything the report shows for hours start … end (1 … 8760) of the loaded
// year. Refuses (its message to the sink, nullopt) when no region is loaded or
// when no hour of the period can be shown on the chart; nothing is written.
[[nodiscard]] std::optional<ReportContent> BuildReportContent(
    const ClimateData& climate, const ReportSource& source, int16_t start, int16_t end,
    std::string writtenDate, std::string version, Psychrometrics& psychro, MessageSink& sink);

// The most important guideline in words: "가장 중요한 기후설계 지침은 단열,
// 침기차단입니다." (the tab's lines joined by ", ").
[[nodiscard]] std::string MostImportantSentence(std::string_view mostImportant);

// "2026-12-08": the UTC date of a moment, for the cover.
[[nodiscard]] std::string IsoDate(std::chrono::system_clock::time_point moment);

// "3 / 9".
[[nodiscard]] std::string ReportPageNumber(int page, int pages);

}  // namespace vlm
