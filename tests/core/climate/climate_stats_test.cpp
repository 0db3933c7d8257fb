// Monthly statistics and wind-direction counts of a loaded year.
#include "core/climate/climate_stats.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/climate/date_time.h"

namespace vlm {
namespace {

// A year already derived: every hour 20 °C, 50 %, 52.3 cal/cm², 2.5 m/s from the south-west.
std::unique_ptr<ClimateData> plainData() {
  auto data = std::make_unique<ClimateData>();
  for (int k = 1; k <= kHoursPerYear; ++k) {
    HourRecord& h = data->year[static_cast<std::size_t>(k)];
    h.RecIndex = static_cast<int16_t>(k + kRecIndexOffset);
    h.DBT = 20.0f;
    h.RH = 50.0f;
    h.Radiation = 523.0f;
    h.WindSpeed = 2.5f;
    h.WindDir = 225;
  }
  return data;
}

template <typename Change>
void forMonth(ClimateData& data, int16_t month, Change change) {
  for (int h = firstHourOfMonth(month); h <= lastHourOfMonth(month); ++h)
    change(data.year[static_cast<std::size_t>(h)], h);
}

TEST(MonthStats, LabelsNameTheMonthsAndTheYear) {
  auto data = plainData();
  ComputeMonthStats(*data);
  for (const MonthStatTable* table :
       {&data->MonthStatDBT, &data->MonthStatRH, &data->MonthStatRad, &data->MonthStatWS}) {
    EXPECT_EQ(table->rows[0].label, "");
    EXPECT_EQ(table->rows[1].label, "1월");
    EXPECT_EQ(table->rows[10].label, "10월");
    EXPECT_EQ(table->rows[12].label, "12월");
    EXPECT_EQ(table->rows[13].label, "년간");
  }
  EXPECT_EQ(
      std::vector<std::string>(MonthStatTable::kHeadings.begin(), MonthStatTable::kHeadings.end()),
      (std::vector<std::string>{"", "최대값", "평균", "최소값"}));
}

TEST(MonthStats, MissingHoursAreLeftOutOfMaximumMeanAndMinimum) {
  auto data = plainData();
  // January: 24 missing hours, then 720 hours alternating 0 and 20 °C.
  forMonth(*data, 1,
           [](HourRecord& h, int k) { h.DBT = k <= 24 ? 999.0f : (k % 2 == 0 ? 0.0f : 20.0f); });
  data->year[3000].RH = 999.0f;  // May
  data->year[3001].RH = 80.0f;
  ComputeMonthStats(*data);
  const MonthStatRow& january = data->MonthStatDBT.rows[1];
  EXPECT_EQ(january.max, 20.0f);
  EXPECT_EQ(january.mean, 10.0f);  // over 720 hours, not 744
  EXPECT_EQ(january.min, 0.0f);
  const MonthStatRow& year = data->MonthStatDBT.rows[13];
  EXPECT_EQ(year.max, 20.0f);
  EXPECT_FLOAT_EQ(*year.mean, (720.0f * 10.0f + 8016.0f * 20.0f) / 8736.0f);
  const MonthStatRow& may = data->MonthStatRH.rows[5];
  EXPECT_EQ(may.max, 80.0f);
  EXPECT_FLOAT_EQ(*may.mean, (742.0f * 50.0f + 80.0f) / 743.0f);
  EXPECT_EQ(may.min, 50.0f);
}

TEST(MonthStats, RadiationIsShownInCalPerSquareCentimetre) {
  auto data = plainData();
  data->year[1500].Radiation = 9999.0f;  // March, missing
  data->year[1501].Radiation = 0.0f;
  data->year[1502].Radiation = 1234.0f;
  ComputeMonthStats(*data);
  const MonthStatRow& january = data->MonthStatRad.rows[1];
  EXPECT_EQ(january.max, 52.3f);
  EXPECT_EQ(january.mean, 52.3f);
  EXPECT_EQ(january.min, 52.3f);
  const MonthStatRow& march = data->MonthStatRad.rows[3];
  EXPECT_EQ(march.max, 123.4f);
  EXPECT_EQ(march.min, 0.0f);
  EXPECT_FLOAT_EQ(*march.mean, (741.0f * 52.3f + 123.4f) / 743.0f);
}

TEST(MonthStats, TheMeanOfAConstantYearIsThatConstant) {
  // A year of 8760 equal hours must not drift through its running sum.
  auto data = plainData();
  ComputeMonthStats(*data);
  EXPECT_EQ(data->MonthStatRad.rows[13].mean, 52.3f);
  EXPECT_EQ(data->MonthStatWS.rows[13].mean, 2.5f);
  EXPECT_EQ(data->MonthStatDBT.rows[13].mean, 20.0f);
}

TEST(MonthStats, TheYearIsWeightedByHoursNotByMonths) {
  auto data = plainData();
  forMonth(*data, 1, [](HourRecord& h, int) { h.DBT = 0.0f; });
  forMonth(*data, 12, [](HourRecord& h, int) { h.DBT = -30.0f; });
  ComputeMonthStats(*data);
  EXPECT_FLOAT_EQ(*data->MonthStatDBT.rows[13].mean, (7272.0f * 20.0f - 744.0f * 30.0f) / 8760.0f);
  // A month entirely below zero has a negative maximum.
  EXPECT_EQ(data->MonthStatDBT.rows[12].max, -30.0f);
  EXPECT_EQ(data->MonthStatDBT.rows[13].min, -30.0f);
}

TEST(MonthStats, APeriodWithoutOneValidHourHasEmptyCells) {
  auto data = plainData();
  forMonth(*data, 2, [](HourRecord& h, int) { h.WindSpeed = 999.0f; });
  for (int k = 1; k <= kHoursPerYear; ++k) data->year[static_cast<std::size_t>(k)].RH = 999.0f;
  ComputeMonthStats(*data);
  const MonthStatRow empty{"2월", std::nullopt, std::nullopt, std::nullopt};
  EXPECT_EQ(data->MonthStatWS.rows[2], empty);
  EXPECT_EQ(data->MonthStatWS.rows[3].mean, 2.5f);
  EXPECT_EQ(data->MonthStatWS.rows[13].mean, 2.5f);
  EXPECT_EQ(data->MonthStatDBT.rows[2].mean, 20.0f);
  for (std::size_t row = 1; row <= 13; ++row) {
    EXPECT_FALSE(data->MonthStatRH.rows[row].max) << row;
    EXPECT_FALSE(data->MonthStatRH.rows[row].mean) << row;
    EXPECT_FALSE(data->MonthStatRH.rows[row].min) << row;
  }
  // A later year with valid hours fills the cells again.
  auto valid = plainData();
  valid->MonthStatWS = data->MonthStatWS;
  ComputeMonthStats(*valid);
  EXPECT_EQ(valid->MonthStatWS.rows[2].max, 2.5f);
}

TEST(WindDirClasses, EighteenCodesHaveAClassAndNothingElseHasOne) {
  const std::vector<std::pair<int16_t, int16_t>> cases = {
      {23, 1},  {45, 2},   {68, 3},   {90, 4},   {113, 5},  {135, 6},  {158, 7},  {180, 8},
      {203, 9}, {225, 10}, {248, 11}, {270, 12}, {293, 13}, {315, 14}, {338, 15}, {360, 16},
      {0, 17},  {999, 18}, {10, 0},   {22, 0},   {-1, 0},   {361, 0},  {998, 0},  {1000, 0},
  };
  for (const auto& [code, cls] : cases) EXPECT_EQ(windDirClass(code), cls) << code;
}

TEST(WindDirCounts, MonthsSeasonsAndYear) {
  auto data = plainData();
  forMonth(*data, 1, [](HourRecord& h, int) { h.WindDir = 360; });
  forMonth(*data, 2, [](HourRecord& h, int) { h.WindDir = 0; });
  forMonth(*data, 12, [](HourRecord& h, int) { h.WindDir = 999; });
  data->year[5000].WindDir = 10;  // July: counted nowhere
  data->year[5001].WindDir = 23;
  CountWindDirs(*data);
  CountWindDirs(*data);  // a recount starts from zero
  const WindDirTable& t = data->WindDirCount;
  EXPECT_EQ(t[1][16], 744);
  EXPECT_EQ(t[2][17], 672);
  EXPECT_EQ(t[12][18], 744);
  EXPECT_EQ(t[7][10], 742);
  EXPECT_EQ(t[7][1], 1);
  int julyTotal = 0;
  for (std::size_t c = 1; c <= 18; ++c) julyTotal += t[7][c];
  EXPECT_EQ(julyTotal, 743);

  EXPECT_EQ(t[kWinterRow][16], 744);
  EXPECT_EQ(t[kWinterRow][17], 672);
  EXPECT_EQ(t[kWinterRow][18], 744);
  EXPECT_EQ(t[kWinterRow][10], 0);
  EXPECT_EQ(t[kSpringRow][10], 744 + 720 + 744);
  EXPECT_EQ(t[kSummerRow][10], 720 + 742 + 744);
  EXPECT_EQ(t[kSummerRow][1], 1);
  EXPECT_EQ(t[kAutumnRow][10], 720 + 744 + 720);
  EXPECT_EQ(t[kYearRow][10], 8760 - 744 - 672 - 744 - 2);
  EXPECT_EQ(t[kYearRow][16], 744);
  EXPECT_EQ(t[kYearRow][1], 1);
  for (std::size_t period = 0; period <= 17; ++period) EXPECT_EQ(t[period][0], 0) << period;
  for (std::size_t c = 0; c <= 18; ++c) EXPECT_EQ(t[0][c], 0) << c;
}

}  // namespace
}  // namespace vlm
