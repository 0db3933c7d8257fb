#include "cli/batch_rows.h"

#include "cli/analysis_chart.h"
#include "core/analysis/analysis_summary.h"
#include "core/analysis/zone.h"
#include "core/climate/climate_record.h"
#include "core/common/format.h"
#include "core/psychro/psychro_chart.h"
#include "core/seasonal/degree_days.h"
#include "core/seasonal/monthly_zones.h"

namespace vlm::cli {
namespace {

// The columns of one analysed period: hours and shares of the need zones,
// the guidelines' ranks and the most important guideline, each name after `prefix`.
void addAnalysisHeader(std::vector<std::string>& header, const std::string& prefix) {
  for (const NeedZone& zone : kNeedZones) {
    header.push_back(prefix + "need_" + std::string(zone.key) + "_hours");
    header.push_back(prefix + "need_" + std::string(zone.key) + "_percent");
  }
  header.push_back(prefix + "need_total_hours");
  for (const GuideZone& zone : kGuideZones)
    header.push_back(prefix + "guide_" + std::string(zone.key) + "_rank");
  header.push_back(prefix + "mostImportant");
}

void addAnalysisCells(std::vector<std::string>& cells, const AnalysisTexts& texts) {
  for (std::size_t i = 0; i < kNeedZones.size(); ++i) {
    cells.push_back(texts.need[i].hours);
    cells.push_back(texts.need[i].percent);
  }
  cells.push_back(texts.need[kNeedZones.size()].hours);
  for (std::size_t i = 0; i < kGuideZones.size(); ++i) cells.push_back(texts.guide[i].rank);
  cells.push_back(texts.mostImportant);
}

// analyse over the chosen hours (the whole year unless told).
BatchTable analyseTable(const BatchOptions& options) {
  BatchTable table;
  addAnalysisHeader(table.header, "");
  table.row = [options](const ClimateData& data, Psychrometrics&,
                        MessageSink& sink) -> std::optional<std::vector<std::string>> {
    const AnalysisTexts texts = ShowAnalysis(data, options.from, options.to, analysisChart(), sink);
    if (!texts.complete) return std::nullopt;
    std::vector<std::string> cells;
    addAnalysisCells(cells, texts);
    return cells;
  };
  return table;
}

std::string monthPrefix(std::size_t month) {
  const std::string number = std::to_string(month + 1);
  return "m" + std::string(number.size() < 2 ? "0" : "") + number + "_";
}

// months: each month, then the year, with the columns of analyse. An empty
// month keeps empty cells, as on the page.
BatchTable monthsTable() {
  BatchTable table;
  for (std::size_t m = 0; m < kYearColumn; ++m) addAnalysisHeader(table.header, monthPrefix(m));
  addAnalysisHeader(table.header, "year_");
  table.row = [](const ClimateData& data, Psychrometrics&,
                 MessageSink& sink) -> std::optional<std::vector<std::string>> {
    const MonthlyZones zones = AnalyseMonths(data, analysisChart(), sink);
    if (!zones.columns[kYearColumn].complete) return std::nullopt;
    std::vector<std::string> cells;
    for (const AnalysisTexts& column : zones.columns) addAnalysisCells(cells, column);
    return cells;
  };
  return table;
}

// degree-days: the bases, each month's and the year's degree-days, and the
// hours without a dry bulb that the sums leave out.
BatchTable degreeDaysTable(const BatchOptions& options) {
  BatchTable table;
  table.header = {"heating_base", "cooling_base"};
  for (const std::string kind : {"hdd", "cdd"}) {
    for (std::size_t m = 0; m < 12; ++m) table.header.push_back(monthPrefix(m) + kind);
    table.header.push_back("year_" + kind);
  }
  table.header.emplace_back("missing_hours");
  table.row = [options](const ClimateData& data, Psychrometrics&,
                        MessageSink&) -> std::optional<std::vector<std::string>> {
    const DegreeDayTable dd = DegreeDaysByMonth(data, options.heatingBase, options.coolingBase);
    std::vector<std::string> cells = {ShortestText(dd.heatingBase), ShortestText(dd.coolingBase)};
    // A month without a valid hour is an empty cell, not 0 degree-days.
    const auto cell = [](const std::optional<float>& v) { return v ? ShortestText(*v) : ""; };
    for (const auto part : {&DegreeDays::hdd, &DegreeDays::cdd}) {
      for (const DegreeDays& month : dd.months) cells.push_back(cell(month.*part));
      cells.push_back(cell(dd.year.*part));
    }
    cells.push_back(std::to_string(dd.year.missingHours));
    return cells;
  };
  return table;
}

}  // namespace

std::optional<BatchTable> batchTableOf(std::string_view command, const BatchOptions& options) {
  if (command == "analyse") return analyseTable(options);
  if (command == "months") return monthsTable();
  if (command == "degree-days") return degreeDaysTable(options);
  return std::nullopt;
}

std::string csvLine(const std::vector<std::string>& cells) {
  std::string line;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) line += ',';
    const std::string& cell = cells[i];
    if (cell.find_first_of(",\"\r\n") == std::string::npos) {
      line += cell;
      continue;
    }
    line += '"';
    for (const char c : cell) {
      if (c == '"') line += '"';
      line += c;
    }
    line += '"';
  }
  line += '\n';
  return line;
}

}  // namespace vlm::cli
