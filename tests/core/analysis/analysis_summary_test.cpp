// The analysis tab: counts per zone, the two tables with their shares, the
// shared ranks, the most important guideline and the empty-period refusal.
#include "core/analysis/analysis_summary.h"

#include <gtest/gtest.h>

#include "core/analysis/zone.h"
#include "core/psychro/psychro_chart.h"
#include "synthetic_year.h"

namespace vlm {
namespace {

PsychroChart preparedChart() {
  PsychroChart chart;
  chart.SetChartScale(9000.0f, 6750.0f);
  return chart;
}

ZoneTally tallyOf(std::initializer_list<std::pair<int16_t, float>> counts) {
  ZoneTally tally{};
  for (const auto& [code, hours] : counts) tally[TallySlot(code)] = hours;
  return tally;
}

TEST(ShowAnalysis, AFullYearOfValidHoursIsAllAccountedFor) {
  const auto climate = test::SyntheticYear();
  RecordingSink sink;
  const AnalysisTexts t = ShowAnalysis(*climate, 1, 8760, preparedChart(), sink);
  EXPECT_TRUE(sink.empty());
  EXPECT_TRUE(t.complete);
  EXPECT_EQ(t.summary[0], "서울");
  EXPECT_EQ(t.summary[1], "기후데이터 추출, 저장 tab 참조");
  EXPECT_EQ(t.summary[2], "1월 1일 0시~12월 31일 23시(총 8760시간)");
  EXPECT_EQ(t.errors, (std::array<std::string, 3>{"0", "0", "0"}));
  EXPECT_EQ(t.need[5], (AnalysisRow{"8760", "100.00", "-"}));
  float needHours = 0.0f;
  for (std::size_t i = 0; i < 5; ++i) needHours += std::stof(t.need[i].hours);
  EXPECT_EQ(needHours, 8760.0f);
  // The guideline zones overlap: heating hours count for three of them.
  EXPECT_EQ(t.guide[0].hours,
            std::to_string(std::stoi(t.need[0].hours) +
                           static_cast<int>(t.tally[TallySlot(9)] + t.tally[TallySlot(10)] +
                                            t.tally[TallySlot(11)] + t.tally[TallySlot(15)] +
                                            t.tally[TallySlot(16)] + t.tally[TallySlot(17)])));
  EXPECT_EQ(t.guide[2].hours, t.need[0].hours) << "태양열획득 is the heating zone";
  float tallied = 0.0f;
  for (const float v : t.tally) tallied += v;
  EXPECT_EQ(tallied, 8760.0f);
}

TEST(ShowAnalysis, MissingAndOffChartHoursAreCountedApart) {
  auto climate = test::SyntheticYear();
  test::SetHour(*climate, 5, kMissing, kMissing);
  test::SetHour(*climate, 6, 51.0f, 30.0f);
  climate->year[7].AH = 0.031f;
  RecordingSink sink;
  const AnalysisTexts t = ShowAnalysis(*climate, 1, 24, preparedChart(), sink);
  EXPECT_EQ(t.errors, (std::array<std::string, 3>{"1", "2", "3"}));
  EXPECT_EQ(t.need[5].hours, "21");
  EXPECT_EQ(t.tally[TallySlot(kZoneMissing)], 1.0f);
  EXPECT_EQ(t.tally[TallySlot(kZoneDBTOutOfRange)], 1.0f);
  EXPECT_EQ(t.tally[TallySlot(kZoneAHOutOfRange)], 1.0f);
}

TEST(ShowAnalysis, ASingleHourPeriod) {
  const auto climate = test::SyntheticYear();
  RecordingSink sink;
  const AnalysisTexts t = ShowAnalysis(*climate, 4694, 4694, preparedChart(), sink);
  EXPECT_EQ(t.summary[2], "7월 15일 13시~7월 15일 13시(총 1시간)");
  EXPECT_EQ(t.need[5].hours, "1");
  int ones = 0;
  for (std::size_t i = 0; i < 5; ++i) ones += t.need[i].hours == "1" ? 1 : 0;
  EXPECT_EQ(ones, 1);
}

TEST(SummariseTally, SharesAreOfTheZonedHoursWithTwoDecimals) {
  RecordingSink sink;
  // 1 heating hour, 2 comfortable hours: thirds.
  const AnalysisTexts t = SummariseTally(tallyOf({{1, 1.0f}, {7, 2.0f}}), {"", "", ""}, sink);
  EXPECT_EQ(t.need[0], (AnalysisRow{"1", "33.33", "2"}));
  EXPECT_EQ(t.need[2], (AnalysisRow{"2", "66.67", "1"}));
  EXPECT_EQ(t.need[1], (AnalysisRow{"0", "0.00", "3"})) << "empty zones share the last rank";
  EXPECT_EQ(t.need[3].rank, "3");
  EXPECT_EQ(t.need[4].rank, "3");
  EXPECT_EQ(t.need[5], (AnalysisRow{"3", "100.00", "-"}));
  EXPECT_EQ(t.guide[3], (AnalysisRow{"2", "66.67", "1"})) << "태양열차단 counts code 7";
  EXPECT_EQ(t.mostImportant, "태양열차단");
}

TEST(SummariseTally, OverlappingGuidelinesMayExceedAHundredPercentTogether) {
  RecordingSink sink;
  const AnalysisTexts t = SummariseTally(tallyOf({{17, 6.0f}, {9, 4.0f}}), {"", "", ""}, sink);
  EXPECT_EQ(t.guide[0].percent, "100.00");  // 단열: 17 and 9
  EXPECT_EQ(t.guide[3].percent, "100.00");  // 태양열차단
  EXPECT_EQ(t.guide[1].percent, "60.00");
  EXPECT_EQ(t.mostImportant, "단열, 태양열차단");
}

TEST(SummariseTally, APeriodWithoutAZonedHourIsRefusedInsteadOfDividingByZero) {
  RecordingSink sink;
  const AnalysisTexts t =
      SummariseTally(tallyOf({{kZoneMissing, 20.0f}, {kZoneDBTOutOfRange, 4.0f}}),
                     {"서울", "기후데이터 추출, 저장 tab 참조", "기간"}, sink);
  ASSERT_EQ(sink.size(), 1u);
  EXPECT_EQ(sink.last(),
            errorMessage({"분석 대상기간에 건물생체기후도상에 표시 가능한 시간이 없습니다.", "",
                          "[대상기간 혹은 기후파일을 확인하세요.]"}));
  EXPECT_EQ(sink.last().title, "에러");
  // What was written before the shares stays; the rest of the tab is empty.
  EXPECT_EQ(t.summary[0], "서울");
  EXPECT_EQ(t.errors, (std::array<std::string, 3>{"20", "4", "24"}));
  EXPECT_EQ(t.need[5].hours, "0");
  EXPECT_EQ(t.need[0].percent, "");
  EXPECT_EQ(t.need[0].rank, "");
  EXPECT_EQ(t.guide[0], AnalysisRow{});
  EXPECT_EQ(t.mostImportant, "");
  EXPECT_FALSE(t.complete);
}

TEST(RankCaptions, EqualValuesShareARankAndTheNextSkipsTheSharedPlaces) {
  struct Case {
    std::vector<float> values;
    std::vector<std::string> ranks;
  };
  const Case cases[] = {
      {{5, 4, 4, 2, 1}, {"1", "2", "2", "4", "5"}},
      {{13, 13, 10, 3, 0, 0, 0, 3, 0}, {"1", "1", "3", "4", "6", "6", "6", "4", "6"}},
      {{0, 0, 0, 0, 0}, {"1", "1", "1", "1", "1"}},
      {{1, 2, 3, 4, 5}, {"5", "4", "3", "2", "1"}},
  };
  for (const Case& c : cases) EXPECT_EQ(RankCaptions(c.values), c.ranks);
}

TEST(MostImportantGuideline, TiedLeadersAreNamedInRowOrderThreeToALine) {
  struct Case {
    std::array<float, 9> values;
    const char* text;
  };
  const Case cases[] = {
      {{1, 9, 2, 3, 0, 0, 0, 0, 0}, "침기차단"},
      {{13, 13, 10, 3, 0, 0, 0, 3, 0}, "단열, 침기차단"},
      {{0, 0, 0, 7, 0, 7, 7, 7, 0}, "태양열차단, 증발냉각, 복사냉방(중량구조화)\r\n기계냉방"},
      {{4, 4, 4, 4, 4, 4, 4, 4, 4},
       "단열, 침기차단, 태양열획득\r\n태양열차단, 통풍·환기, 증발냉각\r\n복사냉방(중량구조화), "
       "기계냉방, 기계냉방·제습"},
  };
  for (const Case& c : cases) EXPECT_EQ(MostImportantGuideline(c.values), c.text);
  EXPECT_EQ(RankCaptions(cases[3].values), std::vector<std::string>(9, "1"));
}

TEST(SortDescending, LargestFirstWithEqualValuesKeepingTheirOrder) {
  std::array<float, 6> values{2, 7, 2, 9, 7, 1};
  std::array<int16_t, 6> rows{0, 1, 2, 3, 4, 5};
  SortDescending(6, values, rows);
  EXPECT_EQ(values, (std::array<float, 6>{9, 7, 7, 2, 2, 1}));
  EXPECT_EQ(rows, (std::array<int16_t, 6>{3, 1, 4, 0, 2, 5}));

  std::array<float, 4> partial{1, 2, 5, 3};
  std::array<int16_t, 4> partialRows{0, 1, 2, 3};
  SortDescending(2, partial, partialRows);
  EXPECT_EQ(partial, (std::array<float, 4>{2, 1, 5, 3})) << "only the first n entries";
  EXPECT_EQ(partialRows, (std::array<int16_t, 4>{1, 0, 2, 3}));
}

TEST(ZoneTally, EveryCodeHasItsOwnSlot) {
  std::array<bool, 22> used{};
  for (const int16_t code : kZoneCodes) {
    ASSERT_LT(TallySlot(code), 22u);
    EXPECT_FALSE(used[TallySlot(code)]) << code;
    used[TallySlot(code)] = true;
    EXPECT_EQ(TallyCode(TallySlot(code)), code);
  }
  for (const int16_t code : kNonZoneCodes) {
    EXPECT_FALSE(used[TallySlot(code)]) << code;
    used[TallySlot(code)] = true;
    EXPECT_EQ(TallyCode(TallySlot(code)), code);
  }
  EXPECT_EQ(TallySlot(61), 5u);
  EXPECT_EQ(TallySlot(-4), 18u);
  EXPECT_EQ(TallySlot(-1), 21u);
}

}  // namespace
}  // namespace vlm
