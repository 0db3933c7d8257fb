#include "core/analysis/analysis_summary.h"

#include <algorithm>
#include <utility>

#include "core/analysis/zone.h"
#include "core/climate/date_time.h"
#include "core/common/format.h"

namespace vlm {
namespace {

template <std::size_t N, typename Zones>
std::array<float, N> zoneSums(const ZoneTally& tally, const Zones& zones) {
  std::array<float, N> sums{};
  for (std::size_t i = 0; i < N; ++i) {
    for (const int16_t code : zones[i].codes) sums[i] += tally[TallySlot(code)];
  }
  return sums;
}

std::string percentText(float value, float total) {
  const auto share = static_cast<float>(static_cast<double>(value) * 100.0 / total);
  return Format(share, "#0.00");
}

struct Sorted {
  std::vector<float> values;
  std::vector<int16_t> rows;
};

Sorted sortRows(std::span<const float> values) {
  Sorted s{{values.begin(), values.end()}, std::vector<int16_t>(values.size())};
  for (std::size_t i = 0; i < s.rows.size(); ++i) s.rows[i] = static_cast<int16_t>(i);
  SortDescending(static_cast<int16_t>(values.size()), s.values, s.rows);
  return s;
}

}  // namespace

std::size_t TallySlot(int16_t code) {
  if (code >= 1 && code <= 5) return static_cast<std::size_t>(code - 1);
  if (code == 61) return 5;
  if (code == 62) return 6;
  if (code >= 7 && code <= 17) return static_cast<std::size_t>(code);
  if (code >= -4 && code <= -1) return static_cast<std::size_t>(18 + (code + 4));
  // GetZone returns no other code; an unknown one is counted as unclassifiable.
  return TallySlot(kZoneNoTest);
}

int16_t TallyCode(std::size_t slot) {
  if (slot <= 4) return static_cast<int16_t>(slot + 1);
  if (slot == 5) return 61;
  if (slot == 6) return 62;
  if (slot <= 17) return static_cast<int16_t>(slot);
  return static_cast<int16_t>(static_cast<int>(slot) - 22);
}

std::array<float, 5> NeedZoneHours(const ZoneTally& tally) {
  return zoneSums<5>(tally, kNeedZones);
}

std::array<float, 9> GuideZoneHours(const ZoneTally& tally) {
  return zoneSums<9>(tally, kGuideZones);
}

Message NoZonedHourMessage() {
  return errorMessage({"분석 대상기간에 건물생체기후도상에 표시 가능한 시간이 없습니다.", "",
                       "[대상기간 혹은 기후파일을 확인하세요.]"});
}

void SortDescending(int16_t n, std::span<float> values, std::span<int16_t> indices) {
  const auto count = std::min<std::size_t>(
      {static_cast<std::size_t>(std::max<int16_t>(n, 0)), values.size(), indices.size()});
  for (std::size_t i = count; i-- > 1;) {
    for (std::size_t j = 1; j <= i; ++j) {
      if (values[j - 1] < values[j]) {
        std::swap(values[j - 1], values[j]);
        std::swap(indices[j - 1], indices[j]);
      }
    }
  }
}

std::vector<std::string> RankCaptions(std::span<const float> values) {
  std::vector<std::string> ranks(values.size());
  if (values.empty()) return ranks;
  const Sorted s = sortRows(values);
  const auto row = [&s](std::size_t k) { return static_cast<std::size_t>(s.rows[k]); };
  ranks[row(0)] = "1";
  for (std::size_t k = 1; k < s.values.size(); ++k) {
    ranks[row(k)] = s.values[k] != s.values[k - 1] ? std::to_string(k + 1) : ranks[row(k - 1)];
  }
  return ranks;
}

std::string MostImportantGuideline(const std::array<float, 9>& values) {
  const Sorted s = sortRows(values);
  std::size_t tied = 1;
  while (tied < s.values.size() && s.values[tied] == s.values[0]) ++tied;
  std::string text;
  for (std::size_t i = 0; i < tied; ++i) {
    if (i > 0) text += i % 3 == 0 ? "\r\n" : ", ";
    text += kGuideZones[static_cast<std::size_t>(s.rows[i])].shortName;
  }
  return text;
}

ZoneTally CountZones(const ClimateData& climate, int16_t start, int16_t end,
                     const PsychroChart& chart) {
  ZoneTally tally{};
  const int first = std::max<int>(start, 1);
  const int last = std::min<int>(end, kHoursPerYear);
  for (int h = first; h <= last; ++h) {
    const HourRecord& r = climate.year[static_cast<std::size_t>(h)];
    tally[TallySlot(GetZone(r.DBT, r.WBT, r.AH, r.RH, r.SpecV, chart))] += 1.0f;
  }
  return tally;
}

std::string PeriodText(int16_t start, int16_t end, MessageSink& sink) {
  const auto moment = [&sink](int16_t h) {
    return std::to_string(GetMonth(h, sink)) + "월 " + std::to_string(GetDay(h, sink)) + "일 " +
           std::to_string(GetHour(h, sink)) + "시";
  };
  const std::string first = moment(start);
  const std::string last = moment(end);
  return first + "~" + last + "(총 " + std::to_string(end - start + 1) + "시간)";
}

AnalysisTexts SummariseTally(const ZoneTally& tally, std::array<std::string, 3> summary,
                             MessageSink& sink) {
  AnalysisTexts texts;
  texts.tally = tally;
  texts.summary = std::move(summary);

  const float missing = tally[TallySlot(kZoneNoTest)] + tally[TallySlot(kZoneMissing)];
  const float outside = tally[TallySlot(kZoneAHOutOfRange)] + tally[TallySlot(kZoneDBTOutOfRange)];
  texts.errors = {ShortestText(missing), ShortestText(outside), ShortestText(missing + outside)};

  const std::array<float, 5> need = NeedZoneHours(tally);
  float total = 0.0f;
  for (const float v : need) total += v;
  for (std::size_t i = 0; i < need.size(); ++i) texts.need[i].hours = ShortestText(need[i]);
  texts.need[5].hours = ShortestText(total);
  // Every share is of the hours that received a zone; with none there is no
  // share to show, and the tab says so instead of dividing by zero.
  if (total == 0.0f) {
    sink.show(NoZonedHourMessage());
    return texts;
  }
  for (std::size_t i = 0; i < need.size(); ++i) texts.need[i].percent = percentText(need[i], total);
  texts.need[5].percent = percentText(total, total);
  const std::vector<std::string> needRanks = RankCaptions(need);
  for (std::size_t i = 0; i < need.size(); ++i) texts.need[i].rank = needRanks[i];
  texts.need[5].rank = "-";

  const std::array<float, 9> guide = GuideZoneHours(tally);
  const std::vector<std::string> guideRanks = RankCaptions(guide);
  for (std::size_t i = 0; i < guide.size(); ++i) {
    texts.guide[i] = {ShortestText(guide[i]), percentText(guide[i], total), guideRanks[i]};
  }
  texts.mostImportant = MostImportantGuideline(guide);
  texts.complete = true;
  return texts;
}

AnalysisTexts ShowAnalysis(const ClimateData& climate, int16_t start, int16_t end,
                           const PsychroChart& chart, MessageSink& sink) {
  const ZoneTally tally = CountZones(climate, start, end, chart);
  return SummariseTally(tally, {climate.RegionName, kSummaryFileText, PeriodText(start, end, sink)},
                        sink);
}

}  // namespace vlm
