// The analysis tab: how many hours of the period fall into each zone code,
// summed into the need and guideline zones, with their shares of the hours
// that received a zone, their shared ranks and the most important guideline.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/climate/climate_data.h"
#include "core/common/message.h"

namespace vlm {

class PsychroChart;

// ZoneTally slots: 0 … 4 codes 1 … 5, 5 code 61, 6 code 62, 7 … 17 codes
// 7 … 17, 18 … 21 the codes −4, −3, −2, −1.
using ZoneTally = std::array<float, 22>;
[[nodiscard]] std::size_t TallySlot(int16_t code);
[[nodiscard]] int16_t TallyCode(std::size_t slot);

// One result row as its labels show it: hours, percent and rank.
struct AnalysisRow {
  std::string hours;
  std::string percent;
  std::string rank;
  bool operator==(const AnalysisRow&) const = default;
};

// Every text of the tab, in the fixed row orders; empty texts are empty labels.
struct AnalysisTexts {
  std::array<std::string, 3> summary;  // region, climate file, period
  std::array<std::string, 3> errors;   // missing, out of the chart, total
  std::array<AnalysisRow, 6> need;     // five need zones and the total "계"
  std::array<AnalysisRow, 9> guide;
  std::string mostImportant;
  ZoneTally tally{};
  // False when the analysis stopped before the shares (no zoned hour).
  bool complete = false;
  bool operator==(const AnalysisTexts&) const = default;
};

// Row captions of the error table and the need table's total.
inline constexpr std::array<const char*, 3> kErrorRowCaptions{
    "기후 데이터 결측, 에러\n(건구온도, 습구온도, 기상대기압 등)",
    "건물생체기후도상에 표시 및 분석 가능한\n 건구온도 범위(-20<=and<=50°C) 초과\n혹은\n절대습도 "
    "범위(0<=and<=0.03kg/kg') 초과",
    "계"};
inline constexpr const char* kNeedTotalCaption = "계";
inline constexpr const char* kSummaryFileText = "기후데이터 추출, 저장 tab 참조";

// Shown instead of the shares when no hour of the period received a zone.
[[nodiscard]] Message NoZonedHourMessage();

// Sorts the first n values largest first, moving the row indices with them: a
// bubble sort that never swaps equal values, so rows tied on a value keep
// their fixed order.
void SortDescending(int16_t n, std::span<float> values, std::span<int16_t> indices);

// The rank caption of each row (values in row order): "1" for the largest,
// equal values sharing a rank and the next distinct value taking the rank of
// its place (1, 2, 2, 4, 5).
[[nodiscard]] std::vector<std::string> RankCaptions(std::span<const float> values);

// The short names of the guidelines tied for the largest value (values in the
// fixed guideline order), in that order, three to a line.
[[nodiscard]] std::string MostImportantGuideline(const std::array<float, 9>& values);

// The hours of a period counted per zone code with GetZone.
[[nodiscard]] ZoneTally CountZones(const ClimateData& climate, int16_t start, int16_t end,
                                   const PsychroChart& chart);

// The hours of each need zone and each guideline zone in their fixed orders,
// summed from a tally.
[[nodiscard]] std::array<float, 5> NeedZoneHours(const ZoneTally& tally);
[[nodiscard]] std::array<float, 9> GuideZoneHours(const ZoneTally& tally);

// The tab's texts from a tally; `summary` is the region, file and period text.
[[nodiscard]] AnalysisTexts SummariseTally(const ZoneTally& tally,
                                           std::array<std::string, 3> summary, MessageSink& sink);

// The tab's texts for hours start … end of the loaded year. When no hour
// received a zone the analysis stops after the hour counts of the need table:
// it reports NoZonedHourMessage and leaves the shares, ranks, guideline rows
// and the most important guideline empty.
[[nodiscard]] AnalysisTexts ShowAnalysis(const ClimateData& climate, int16_t start, int16_t end,
                                         const PsychroChart& chart, MessageSink& sink);

// The text of a period: 1월 1일 0시~12월 31일 23시(총 8760시간).
[[nodiscard]] std::string PeriodText(int16_t start, int16_t end, MessageSink& sink);

}  // namespace vlm
