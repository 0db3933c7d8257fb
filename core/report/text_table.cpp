#include "core/report/text_table.h"

#include <array>

#include "core/analysis/zone.h"

namespace vlm {
namespace {

constexpr std::array<const char*, 3> kSummaryCaptions{"대상지역", "기후파일", "대상기간"};

// A caption of the screen on one line: CR LF, LF and tab each become one space.
std::string oneLine(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out.push_back(c == '\n' || c == '\r' || c == '\t' ? ' ' : c);
  }
  // A caption such as " 건구온도 범위" keeps no leading space after its break.
  std::string squeezed;
  for (const char c : out) {
    if (c == ' ' && !squeezed.empty() && squeezed.back() == ' ') continue;
    squeezed.push_back(c);
  }
  return squeezed;
}

std::string csvCell(const std::string& cell) {
  if (cell.find_first_of(",\"\r\n") == std::string::npos) return cell;
  std::string out = "\"";
  for (const char c : cell) {
    if (c == '"') out.push_back('"');
    out.push_back(c);
  }
  out.push_back('"');
  return out;
}

std::vector<std::string> zoneRow(std::string_view caption, const AnalysisRow& row) {
  return {oneLine(caption), row.hours, row.percent, row.rank};
}

}  // namespace

std::string TableTsv(const TextTable& table) {
  std::string out;
  for (const auto& row : table.rows) {
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (i > 0) out.push_back('\t');
      out += oneLine(row[i]);
    }
    out += "\r\n";
  }
  return out;
}

std::string TableCsv(const TextTable& table) {
  std::string out = "\xEF\xBB\xBF";
  for (const auto& row : table.rows) {
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (i > 0) out.push_back(',');
      out += csvCell(row[i]);
    }
    out += "\r\n";
  }
  return out;
}

TextTable AnalysisTable(const AnalysisTexts& t) {
  TextTable table;
  auto& rows = table.rows;
  for (std::size_t i = 0; i < kSummaryCaptions.size(); ++i)
    rows.push_back({kSummaryCaptions[i], t.summary[i]});
  rows.push_back({});
  rows.push_back({kTableHeadingCaption, kTableHeadingHours});
  for (std::size_t i = 0; i < kErrorRowCaptions.size(); ++i)
    rows.push_back({oneLine(kErrorRowCaptions[i]), t.errors[i]});
  rows.push_back({});
  const std::vector<std::string> headings{kTableHeadingCaption, kTableHeadingHours,
                                          kTableHeadingPercent, kTableHeadingRank};
  rows.push_back(headings);
  for (std::size_t i = 0; i < kNeedZones.size(); ++i)
    rows.push_back(zoneRow(kNeedZones[i].name, t.need[i]));
  rows.push_back(zoneRow(kNeedTotalCaption, t.need[kNeedZones.size()]));
  rows.push_back({});
  rows.push_back(headings);
  for (std::size_t i = 0; i < kGuideZones.size(); ++i)
    rows.push_back(zoneRow(kGuideZones[i].caption, t.guide[i]));
  rows.push_back({});
  rows.push_back({kTableMostImportant, oneLine(t.mostImportant)});
  return table;
}

}  // namespace vlm
