#include "cli/batch_rows.h"

#include "core/analysis/analysis_summary.h"
#include "core/analysis/zone.h"
#include "core/climate/climate_record.h"
#include "core/psychro/psychro_chart.h"

namespace vlm::cli {
namespace {

// analyse over the whole year: hours and shares of the need zones, the
// guidelines' ranks and the most important guideline.
BatchTable analyseTable() {
  BatchTable table;
  for (const NeedZone& zone : kNeedZones) {
    table.header.push_back("need_" + std::string(zone.key) + "_hours");
    table.header.push_back("need_" + std::string(zone.key) + "_percent");
  }
  table.header.push_back("need_total_hours");
  for (const GuideZone& zone : kGuideZones) {
    table.header.push_back("guide_" + std::string(zone.key) + "_rank");
  }
  table.header.push_back("mostImportant");
  table.row = [](const ClimateData& data, Psychrometrics&,
                 MessageSink& sink) -> std::optional<std::vector<std::string>> {
    // The zones read the chart's ranges, which the draw command sets first.
    PsychroChart chart;
    chart.SetChartScale(9000.0f, 6750.0f);
    const AnalysisTexts texts = ShowAnalysis(data, 1, kHoursPerYear, chart, sink);
    if (!texts.complete) return std::nullopt;
    std::vector<std::string> cells;
    for (std::size_t i = 0; i < kNeedZones.size(); ++i) {
      cells.push_back(texts.need[i].hours);
      cells.push_back(texts.need[i].percent);
    }
    cells.push_back(texts.need[kNeedZones.size()].hours);
    for (std::size_t i = 0; i < kGuideZones.size(); ++i) cells.push_back(texts.guide[i].rank);
    cells.push_back(texts.mostImportant);
    return cells;
  };
  return table;
}

}  // namespace

std::optional<BatchTable> batchTableOf(std::string_view command) {
  if (command == "analyse") return analyseTable();
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
