// The climate-data report of the extraction tab: an 18-line header naming the
// region, the source file, the period and the twelve elements with their units
// and missing markers, then one line of fourteen comma-separated fields per
// hour. The file is CP949 text with CR LF line ends, aligned for that encoding.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/climate/climate_data.h"
#include "core/common/message.h"

namespace vlm {

// The period as typed (month, day, hour of the start, then of the end) and the
// hours of the year it covers.
struct ReportPeriod {
  std::array<int16_t, 6> typed{};
  int16_t start = 0;
  int16_t end = 0;
};

// One row of the legend of the twelve elements (and of its heading rows):
// element, unit, missing marker and remark, as the report and the tab show them.
struct LegendRow {
  std::string_view element, unit, marker, remark;
};
// The heading, the month-day-hour row and the twelve elements.
[[nodiscard]] std::span<const LegendRow> ReportLegend();
// A legend row as a report line: columns at bytes 0, 15, 25 and 36 of its CP949
// form, a Hangul syllable counting two; no trailing blanks.
[[nodiscard]] std::string LegendLine(const LegendRow& row);

[[nodiscard]] Message ReportNoRegionMessage();
[[nodiscard]] Message ReportBlankPeriodMessage();
[[nodiscard]] Message ReportPeriodOrderMessage();

// The checks before the save dialog: a region in the tab's region label, no
// blank field, a calendar period whose end is not before its start. Reports
// the refusal (or lets GetHourOfYear report it) and returns nullopt; a field
// that is not a number throws PeriodFieldError.
[[nodiscard]] std::optional<ReportPeriod> CheckReportPeriod(
    std::string_view regionLabel, const std::array<std::string, 6>& fields, MessageSink& sink);

// The name the save dialog proposes for the report of a region and period:
// "서울_1월1일0시-12월31일23시.txt". A folder separator in the region becomes '_'.
[[nodiscard]] std::string ReportFileName(std::string_view region, const ReportPeriod& period);

// The 18 header lines (UTF-8, without line ends).
[[nodiscard]] std::vector<std::string> ReportHeader(const ClimateData& climate,
                                                    const ReportPeriod& period);
// The line of hour h of the year (UTF-8, without line end).
[[nodiscard]] std::string ReportHourLine(const ClimateData& climate, int16_t h, MessageSink& sink);

// The whole report in CP949 with CR LF after every line.
[[nodiscard]] std::string ClimateReportBytes(const ClimateData& climate, const ReportPeriod& period,
                                             MessageSink& sink);

// Writes the report through a temporary file that replaces `path` only when it
// is complete, so a failure leaves no partial file. Throws FileError.
void WriteClimateReport(const std::string& path, const ClimateData& climate,
                        const ReportPeriod& period, MessageSink& sink);

[[nodiscard]] Message ReportSavedMessage();

}  // namespace vlm
