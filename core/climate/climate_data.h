// The shared climate state that the region page fills and the analysis and
// graph pages read: the year of 8760 hours, the region strings, the monthly
// statistics tables and the wind-direction counts.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/climate/climate_record.h"
#include "core/climate/site.h"

namespace vlm {

// Rows 1 … 12 are the months, row 13 the year; row 0 holds the headings.
// A cell is empty (std::nullopt) when its period has no valid hour of the
// quantity: there is no maximum, mean or minimum to show, and the JSON output
// writes null.
struct MonthStatRow {
  std::string label;  // "1월" … "12월", "년간"
  std::optional<float> max, mean, min;
  bool operator==(const MonthStatRow&) const = default;
};

struct MonthStatTable {
  static constexpr std::array<const char*, 4> kHeadings = {"", "최대값", "평균", "최소값"};
  std::array<MonthStatRow, 14> rows{};  // rows[0] unused apart from the headings
  bool operator==(const MonthStatTable&) const = default;
};

// WindDirCount[period][class], 1-based: periods 1 … 12 months, 13 spring,
// 14 summer, 15 autumn, 16 winter, 17 year; classes 1 … 16 the codes 23 … 360,
// 17 calm (0), 18 missing (999). Index 0 of both is unused.
using WindDirTable = std::array<std::array<int16_t, 19>, 18>;

struct ClimateData {
  // Indexed 1 … 8760 by hour of the year; element 0 is unused.
  std::array<HourRecord, kHoursPerYear + 1> year{};
  std::string RegionName;  // "" when no region is loaded, "기타" for a user file
  std::string ClimateFilePath;
  std::string OtherFilePath;
  MonthStatTable MonthStatDBT, MonthStatRH, MonthStatRad, MonthStatWS;
  WindDirTable WindDirCount{};
  // The station of the loaded year, or none when its file does not say and the
  // user has not given one; computations that place the sun need it.
  std::optional<Site> site;

  [[nodiscard]] bool loaded() const { return !RegionName.empty(); }
  // The file that screens show as the source of the loaded year. For "기타" the
  // load copies OtherFilePath into ClimateFilePath, so this stays the file that
  // was read even after the user picks another file without confirming it.
  [[nodiscard]] const std::string& sourcePath() const { return ClimateFilePath; }
};

}  // namespace vlm
