// The monthly zone analysis: the months of a year add up to its year column,
// which is the analysis tab's; a month without a zoned hour stays empty and
// silent; the need shares that the stacked bars show.
#include "core/seasonal/monthly_zones.h"

#include <gtest/gtest.h>

#include <variant>

#include "../analysis/synthetic_year.h"
#include "core/analysis/zone.h"
#include "core/climate/date_time.h"
#include "core/psychro/psychro_chart.h"
#include "core/seasonal/share_chart.h"
#include "region_years.h"

namespace vlm {
namespace {

TEST(MonthlyZonesTest, SeoulMonthsAddUpToTheYearWhichIsTheAnalysisTab) {
  const auto seoul = test::LoadRegion("seoul");
  const PsychroChart chart;
  RecordingSink sink;
  const MonthlyZones zones = AnalyseMonths(*seoul, chart, sink);
  EXPECT_TRUE(sink.empty());

  RecordingSink tabSink;
  EXPECT_EQ(zones.columns[kYearColumn], ShowAnalysis(*seoul, 1, 8760, chart, tabSink));
  EXPECT_EQ(zones.columns[kYearColumn].summary[2], "1월 1일 0시~12월 31일 23시(총 8760시간)");
  EXPECT_EQ(zones.columns[1].summary[2], "2월 1일 0시~2월 28일 23시(총 672시간)");
  for (std::size_t slot = 0; slot < ZoneTally{}.size(); ++slot) {
    float sum = 0.0f;
    for (std::size_t m = 0; m < 12; ++m) sum += zones.columns[m].tally[slot];
    EXPECT_EQ(sum, zones.columns[kYearColumn].tally[slot]) << "slot " << slot;
  }
  // Seoul needs heating in January and cooling in August.
  EXPECT_EQ(zones.columns[0].need[0].rank, "1");
  EXPECT_EQ(zones.columns[7].need[1].rank, "1");
}

TEST(MonthlyZonesTest, MonthWithoutZonedHourStaysEmptyAndSilent) {
  auto year = test::SyntheticYear();
  for (int h = firstHourOfMonth(3); h <= lastHourOfMonth(3); ++h) {
    test::SetHour(*year, h, kMissing, kMissing);
  }
  const PsychroChart chart;
  RecordingSink sink;
  const MonthlyZones zones = AnalyseMonths(*year, chart, sink);
  EXPECT_TRUE(sink.empty());
  const AnalysisTexts& march = zones.columns[2];
  EXPECT_FALSE(march.complete);
  EXPECT_EQ(march.errors[0], "744");
  EXPECT_EQ(march.need[5].hours, "0");
  EXPECT_EQ(march.need[0].percent, "");
  EXPECT_EQ(march.mostImportant, "");
  EXPECT_TRUE(zones.columns[3].complete);
  EXPECT_TRUE(zones.columns[kYearColumn].complete);
  EXPECT_EQ(zones.columns[kYearColumn].errors[0], "744");

  // The stacked bars leave the empty month out and fill the others to 100 %.
  const Drawing bars = BuildNeedShareChart(zones, year->RegionName);
  float marchTop = 0.0f;
  float aprilTop = 0.0f;
  for (const DrawItem& item : bars.items()) {
    if (const auto* r = std::get_if<RectItem>(&item); r != nullptr && r->y1 >= 0.0f) {
      if (r->x1 == 2.2f) marchTop = std::max(marchTop, r->y2);
      if (r->x1 == 3.2f) aprilTop = std::max(aprilTop, r->y2);
    }
  }
  EXPECT_EQ(marchTop, 0.0f);
  EXPECT_EQ(aprilTop, 100.0f);
}

TEST(MonthlyZonesTest, YearWithoutZonedHourReportsAsTheAnalysisTabDoes) {
  auto year = test::SyntheticYear();
  for (int h = 1; h <= kHoursPerYear; ++h) test::SetHour(*year, h, kMissing, kMissing);
  RecordingSink sink;
  const MonthlyZones zones = AnalyseMonths(*year, PsychroChart{}, sink);
  ASSERT_EQ(sink.size(), 1u);
  EXPECT_EQ(sink.last(), NoZonedHourMessage());
  EXPECT_FALSE(zones.columns[kYearColumn].complete);
}

TEST(MonthlyZonesTest, NeedSharesArePercentOfZonedHours) {
  ZoneTally tally{};
  tally[TallySlot(1)] = 30;   // heating
  tally[TallySlot(12)] = 10;  // cooling
  tally[TallySlot(7)] = 60;   // comfortable
  tally[TallySlot(kZoneMissing)] = 500;
  const auto shares = NeedShares(tally);
  ASSERT_TRUE(shares.has_value());
  EXPECT_EQ(*shares, (std::array<float, 5>{30, 10, 60, 0, 0}));
  ZoneTally none{};
  none[TallySlot(kZoneDBTOutOfRange)] = 8760;
  EXPECT_FALSE(NeedShares(none).has_value());
}

}  // namespace
}  // namespace vlm
