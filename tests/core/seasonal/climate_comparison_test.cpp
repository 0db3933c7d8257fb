// Two climates side by side: a climate against itself gives equal columns,
// Seoul against Jeju differs the way the climates do, and the second climate
// is loaded with the region page's checks but without its completion notice.
#include "core/seasonal/climate_comparison.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <variant>

#include "core/climate/load_texts.h"
#include "core/psychro/psychro_chart.h"
#include "core/seasonal/comparison_chart.h"
#include "region_years.h"

namespace vlm {
namespace {

float hours(const AnalysisRow& row) { return std::stof(row.hours); }

TEST(ClimateComparisonTest, SeoulAgainstItselfGivesEqualColumns) {
  const auto seoul = test::LoadRegion("seoul");
  RecordingSink sink;
  const ClimateComparison c = CompareClimates(*seoul, *seoul, PsychroChart{}, sink);
  EXPECT_TRUE(sink.empty());
  EXPECT_EQ(c.a, c.b);
  for (std::size_t m = 0; m < 12; ++m) {
    EXPECT_EQ(c.meanDBT[m][0], c.meanDBT[m][1]);
    EXPECT_EQ(c.meanRH[m][0], c.meanRH[m][1]);
    EXPECT_EQ(c.meanDBT[m][0], seoul->MonthStatDBT.rows[m + 1].mean);
  }
}

TEST(ClimateComparisonTest, JejuNeedsLessHeatingAndIsMilderInWinter) {
  const auto seoul = test::LoadRegion("seoul");
  const auto jeju = test::LoadRegion("jeju");
  RecordingSink sink;
  const ClimateComparison c = CompareClimates(*seoul, *jeju, PsychroChart{}, sink);
  EXPECT_EQ(c.a.summary[0], "서울");
  EXPECT_EQ(c.b.summary[0], "제주");
  EXPECT_LT(hours(c.b.need[0]), hours(c.a.need[0]));  // 난방 필요
  EXPECT_GT(*c.meanDBT[0][1], *c.meanDBT[0][0]);      // January

  // The chart: four series of twelve dots, the loaded year solid, the other dashed.
  const Drawing chart = BuildComparisonChart(c);
  int dots = 0;
  int dashed = 0;
  for (const DrawItem& item : chart.items()) {
    dots += std::holds_alternative<DotItem>(item) ? 1 : 0;
    if (const auto* l = std::get_if<LineItem>(&item)) dashed += l->pen.dash == DashStyle::Dash;
  }
  EXPECT_EQ(dots, 48);
  EXPECT_EQ(dashed, 2 * 11 + 2);  // two series of eleven pieces and two legend samples
}

TEST(ClimateComparisonTest, SecondClimateLoadsQuietlyOrFailsWithTheRegionPageMessages) {
  ClimateData second;
  RecordingSink sink;
  const auto jeju = regionByStem("jeju");
  ASSERT_TRUE(LoadComparisonClimate(second, builtInChoice(*jeju, test::kResourcesDir), sink));
  EXPECT_TRUE(sink.empty());
  EXPECT_EQ(second.RegionName, "제주");

  // A file that is not a climate file: the validator's error, then the advice.
  const std::filesystem::path bad = std::filesystem::temp_directory_path() / "vlm_not_climate.cly";
  std::ofstream(bad) << "not a climate file";
  ClimateData refused;
  EXPECT_FALSE(LoadComparisonClimate(refused, otherChoice(bad.string()), sink));
  ASSERT_EQ(sink.size(), 2u);
  EXPECT_EQ(sink.messages()[0].title, kErrorTitle);
  EXPECT_EQ(sink.messages()[1], climateFileAdviceMessage());
  EXPECT_FALSE(refused.loaded());
  std::filesystem::remove(bad);

  sink.clear();
  EXPECT_FALSE(LoadComparisonClimate(refused, otherChoice(""), sink));
  ASSERT_EQ(sink.size(), 1u);
  EXPECT_EQ(sink.last(), otherFileMissingMessage());
}

}  // namespace
}  // namespace vlm
