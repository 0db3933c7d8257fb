#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "core/comfort/adaptive.h"
#include "core/comfort/comfort_year.h"
#include "core/comfort/pmv.h"

namespace vlm {
namespace {

// ISO 7730:2005 Annex D, Table D.1: its conditions with the PMV it prints
// (two decimals) and the PPD of the public validation set of comfort models
// (one decimal), which leaves out the row whose printed value disagrees with
// the standard's own equations.
TEST(Pmv, AgreesWithTheStandardsTable) {
  struct Case {
    double ta, tr, va, rh, met, clo, pmv, ppd;
  };
  const Case cases[] = {
      {22, 22, 0.1, 60, 1.2, 0.5, -0.75, 16.9},     {27, 27, 0.1, 60, 1.2, 0.5, 0.77, 17.3},
      {27, 27, 0.3, 60, 1.2, 0.5, 0.44, 8.9},       {23.5, 25.5, 0.1, 60, 1.2, 0.5, -0.01, 5.0},
      {23.5, 25.5, 0.3, 60, 1.2, 0.5, -0.55, 11.4}, {19, 19, 0.1, 40, 1.2, 1.0, -0.60, 12.5},
      {23.5, 23.5, 0.3, 40, 1.2, 1.0, 0.12, 5.3},   {23, 21, 0.1, 40, 1.2, 1.0, 0.05, 5.1},
      {23, 21, 0.3, 40, 1.2, 1.0, -0.16, 5.6},      {22, 22, 0.1, 60, 1.6, 0.5, 0.05, 5.0},
      {27, 27, 0.1, 60, 1.6, 0.5, 1.17, 33.9},      {27, 27, 0.3, 60, 1.6, 0.5, 0.95, 24.1},
  };
  for (const Case& c : cases) {
    const double pa = c.rh / 100.0 * Iso7730SaturationPressure(c.ta);
    const PmvResult r = ComputePmv({c.ta, c.tr, c.va, pa, c.met, c.clo});
    EXPECT_NEAR(r.pmv, c.pmv, 0.01) << c.ta << " " << c.tr << " " << c.va;
    EXPECT_NEAR(r.ppd, c.ppd, 0.1) << c.ta << " " << c.tr << " " << c.va;
  }
}

TEST(Pmv, InputsOutsideTheStandardsRangesAreRefusedNamingTheRange) {
  struct Case {
    PmvInputs in;
    std::vector<std::string> lines;  // empty: accepted
  };
  const PmvInputs ok{20, 20, 0.1, 1.0, 1.1, 0.5};
  auto with = [&](auto change) {
    PmvInputs in = ok;
    change(in);
    return in;
  };
  const Case cases[] = {
      {ok, {}},
      {with([](PmvInputs& i) { i.airTemperature = 30.5; }),
       {"기온 입력이 유효하지 않습니다.", "", "[10°C <= 기온 <= 30°C]"}},
      {with([](PmvInputs& i) { i.radiantTemperature = 9; }),
       {"평균복사온도 입력이 유효하지 않습니다.", "", "[10°C <= 평균복사온도 <= 40°C]"}},
      {with([](PmvInputs& i) { i.airSpeed = 1.2; }),
       {"기류속도 입력이 유효하지 않습니다.", "", "[0m/s <= 기류속도 <= 1m/s]"}},
      {with([](PmvInputs& i) { i.met = 0.7; }),
       {"대사량 입력이 유효하지 않습니다.", "", "[0.8met <= 대사량 <= 4met]"}},
      {with([](PmvInputs& i) { i.clo = 2.5; }),
       {"착의량 입력이 유효하지 않습니다.", "", "[0clo <= 착의량 <= 2clo]"}},
  };
  for (const Case& c : cases) {
    RecordingSink sink;
    EXPECT_EQ(CheckPmvInputs(c.in, sink), c.lines.empty());
    if (c.lines.empty()) {
      EXPECT_TRUE(sink.empty());
    } else {
      ASSERT_EQ(sink.size(), 1u);
      EXPECT_EQ(sink.last().lines, c.lines);
    }
  }
  RecordingSink sink;
  EXPECT_FALSE(ReadPmvBox(PmvBox::Met, "abc", sink));  // read as 0, below 0.8 met
  EXPECT_EQ(ReadPmvBox(PmvBox::Clo, "0.7 clo", sink), 0.7);
  EXPECT_EQ(sink.size(), 1u);
}

// Band limits worked by hand from each standard's equations, at and beside
// the ends of its applicability.
TEST(AdaptiveComfort, BandsFollowTheRunningMeanWithinTheStandardsLimits) {
  struct Case {
    bool ashrae;
    double rm;
    bool applies;
    double comfort, lowerWidest, upperWidest;  // NaN lower: not defined
  };
  const double none = std::nan("");
  const Case cases[] = {
      {true, 9.9, false, 0, 0, 0},
      {true, 10, true, 20.9, 17.4, 24.4},
      {true, 20, true, 24.0, 20.5, 27.5},
      {true, 33.5, true, 28.185, 24.685, 31.685},
      {true, 33.6, false, 0, 0, 0},
      {false, 9.9, false, 0, 0, 0},
      {false, 10, true, 22.1, none, 26.1},
      {false, 14.9, true, 23.717, none, 27.717},
      {false, 15, true, 23.75, 18.75, 27.75},
      {false, 30, true, 28.7, 23.7, 32.7},
      {false, 30.1, false, 0, 0, 0},
  };
  for (const Case& c : cases) {
    const auto band = c.ashrae ? AshraeAdaptiveBand(c.rm) : EnAdaptiveBand(c.rm);
    ASSERT_EQ(band.has_value(), c.applies) << c.ashrae << " " << c.rm;
    if (!band) continue;
    EXPECT_NEAR(band->comfortTemperature, c.comfort, 1e-9);
    const auto widest = static_cast<std::size_t>(band->bands - 1);
    EXPECT_NEAR(*band->upper[widest], c.upperWidest, 1e-9);
    EXPECT_EQ(band->lower[widest].has_value(), !std::isnan(c.lowerWidest));
    if (band->lower[widest]) {
      EXPECT_NEAR(*band->lower[widest], c.lowerWidest, 1e-9);
    }
  }
  // The narrow bands: ASHRAE 90 % ±2.5 K; EN I +2/−3 K, II +3/−4 K.
  const auto a = AshraeAdaptiveBand(20);
  EXPECT_NEAR(*a->lower[0], 21.5, 1e-9);
  EXPECT_NEAR(*a->upper[0], 26.5, 1e-9);
  const auto e = EnAdaptiveBand(20);
  EXPECT_NEAR(*e->lower[0], 22.4, 1e-9);
  EXPECT_NEAR(*e->upper[1], 28.4, 1e-9);
}

TEST(AdaptiveComfort, RunningMeanFollowsAStepAndClosesTheCycle) {
  DailyMeans daily{};
  for (int d = 0; d < kDaysPerYear; ++d) daily[static_cast<std::size_t>(d)] = d < 200 ? 10.0 : 20.0;
  daily[100].reset();  // a day without data carries the mean on
  const auto rm = RunningMeanOutdoor(daily);
  EXPECT_NEAR(rm[199], 10.0, 1e-9);
  EXPECT_NEAR(rm[200], 10.0, 1e-9);  // the step shows the day after
  for (int k = 1; k < 30; ++k) {
    EXPECT_NEAR(rm[static_cast<std::size_t>(200 + k)], 20.0 - 10.0 * std::pow(0.8, k), 1e-9);
  }
  EXPECT_NEAR(rm[101], rm[100], 1e-12);
  EXPECT_NEAR(rm[0], 0.2 * 20.0 + 0.8 * rm[364], 1e-9);  // 1 January follows 31 December
}

std::unique_ptr<ClimateData> constantYear(float dbt, float vp) {
  auto climate = std::make_unique<ClimateData>();
  for (int h = 1; h <= kHoursPerYear; ++h) {
    HourRecord& r = climate->year[static_cast<std::size_t>(h)];
    r.DBT = h <= 744 ? kMissing : dbt;  // January without data
    r.VP = vp;
  }
  return climate;
}

TEST(ComfortYear, HoursAreClassedAgainstEachModelAndCountedApart) {
  const double vp60at22 = 0.6 * Iso7730SaturationPressure(22);
  struct Case {
    ComfortSettings settings;
    float dbt;
    double vp;
    ComfortTally july;
  };
  const Case cases[] = {
      // rm 25: ASHRAE 25.55 ± 2.5 K holds 25, so both bands
      {{ComfortModel::AshraeAdaptive}, 25, 1.0, {0, {744, 744, 0}, 0, 0, 0}},
      // rm 23.5: EN 26.555; 23.5 lies within II (−4 K) and III but not I (−3 K)
      {{ComfortModel::EnAdaptive}, 23.5, 1.0, {0, {0, 744, 744}, 0, 0, 0}},
      {{ComfortModel::AshraeAdaptive}, 35, 1.0, {0, {}, 0, 744, 0}},  // rm beyond 33.5
      {{ComfortModel::EnAdaptive}, 12, 1.0, {0, {}, 0, 744, 0}},      // no lower limit at 12
      {{ComfortModel::Pmv, 1.2, 0.5, 0.1}, 22, vp60at22, {744, {}, 0, 0, 0}},  // PMV −0.75
      {{ComfortModel::Pmv, 1.2, 0.5, 0.1}, 9, vp60at22, {0, {}, 0, 744, 0}},
  };
  for (const Case& c : cases) {
    const auto climate = constantYear(c.dbt, static_cast<float>(c.vp));
    const ComfortYear y = ClassifyComfortYear(*climate, c.settings);
    EXPECT_EQ(y.months[6], c.july) << c.dbt;
    EXPECT_EQ(y.months[0].missing, 744);
    EXPECT_EQ(y.year.missing, 744);
    EXPECT_EQ(y.year.below + y.year.within[static_cast<std::size_t>(y.bands - 1)] + y.year.above +
                  y.year.outside + y.year.missing,
              kHoursPerYear);
  }
}

}  // namespace
}  // namespace vlm
