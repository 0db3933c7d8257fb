// A table of texts that leaves the program: tab-separated for the clipboard
// (a spreadsheet pastes it as cells) and CSV for a file.
#pragma once

#include <string>
#include <vector>

#include "core/analysis/analysis_summary.h"

namespace vlm {

struct TextTable {
  std::vector<std::vector<std::string>> rows;
  bool operator==(const TextTable&) const = default;
};

// One line per row, cells joined by a tab, lines ended by CR LF. A line break
// inside a cell becomes a space and a tab a space, so that every row stays one
// line of cells.
[[nodiscard]] std::string TableTsv(const TextTable& table);

// UTF-8 with a byte-order mark (so that a spreadsheet reads the Korean texts
// as UTF-8), cells separated by commas, lines ended by CR LF; a cell holding a
// comma, a quote or a line break is quoted with its quotes doubled.
[[nodiscard]] std::string TableCsv(const TextTable& table);

// The analysis tab as a table: the summary, the error rows, one row per need
// zone and per guideline with hours, share and rank (captions on one line),
// and the most important guideline.
[[nodiscard]] TextTable AnalysisTable(const AnalysisTexts& texts);

// The headings of the analysis table's zone rows.
inline constexpr const char* kTableHeadingCaption = "구분";
inline constexpr const char* kTableHeadingHours = "시간수";
inline constexpr const char* kTableHeadingPercent = "비율(%)";
inline constexpr const char* kTableHeadingRank = "우선순위";
inline constexpr const char* kTableMostImportant = "가장 중요한 기후설계 지침";

}  // namespace vlm
