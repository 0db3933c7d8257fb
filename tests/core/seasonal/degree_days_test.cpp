// Degree-days: a sinusoidal year against the closed form, missing hours left
// out and counted, months adding up to the year, and the two base boxes with
// the lenient number rule, their ranges and their messages.
#include "core/seasonal/degree_days.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/climate/date_time.h"
#include "region_years.h"

namespace vlm {
namespace {

constexpr double kPi = std::numbers::pi;

// Degree-days below base b of a year T = mean + amp·cos(θ), θ over one whole
// period: 365 days × the mean of max(0, b − T) over the period.
double closedFormBelow(double mean, double amp, double base) {
  const double c = (base - mean) / amp;
  if (c >= 1.0) return 365.0 * (base - mean);
  if (c <= -1.0) return 0.0;
  const double theta0 = std::acos(c);
  return 365.0 * ((base - mean) * (2 * kPi - 2 * theta0) + 2 * amp * std::sin(theta0)) / (2 * kPi);
}

std::unique_ptr<ClimateData> sinusoidalYear(double mean, double amp) {
  auto year = std::make_unique<ClimateData>();
  for (int h = 1; h <= kHoursPerYear; ++h) {
    year->year[static_cast<std::size_t>(h)].DBT =
        static_cast<float>(mean + amp * std::cos(2 * kPi * (h - 1) / kHoursPerYear));
  }
  return year;
}

TEST(DegreeDaysTest, SinusoidalYearMatchesTheClosedForm) {
  constexpr double kMean = 12.0;
  constexpr double kAmp = 15.0;  // −3 … 27 °C
  const auto year = sinusoidalYear(kMean, kAmp);
  struct Case {
    float heatingBase, coolingBase;
  };
  for (const Case c : {Case{18, 24}, Case{30, 10}, Case{5, 30}, Case{15.5f, 26}}) {
    const DegreeDayTable t = DegreeDaysByMonth(*year, c.heatingBase, c.coolingBase);
    // Above the cooling base is below −base for the mirrored year −T.
    EXPECT_NEAR(t.year.hdd.value(), closedFormBelow(kMean, kAmp, c.heatingBase), 0.1)
        << c.heatingBase;
    EXPECT_NEAR(t.year.cdd.value(), closedFormBelow(-kMean, kAmp, -c.coolingBase), 0.1)
        << c.coolingBase;
    EXPECT_EQ(t.year.missingHours, 0);
    double hdd = 0.0;
    double cdd = 0.0;
    for (const DegreeDays& m : t.months) {
      hdd += m.hdd.value();
      cdd += m.cdd.value();
    }
    EXPECT_NEAR(hdd, t.year.hdd.value(), 0.01);
    EXPECT_NEAR(cdd, t.year.cdd.value(), 0.01);
  }
}

TEST(DegreeDaysTest, MissingHoursAreLeftOutAndCounted) {
  auto year = sinusoidalYear(10.0, 0.0);  // 10 °C every hour
  for (int h = 1; h <= 24; ++h) year->year[static_cast<std::size_t>(h)].DBT = kMissing;
  year->year[static_cast<std::size_t>(lastHourOfMonth(12))].DBT = 30.0f;
  const DegreeDayTable t = DegreeDaysByMonth(*year, 18.0f, 24.0f);
  EXPECT_EQ(t.months[0], (DegreeDays{240.0f, 0.0f, 24}));  // 720 hours × 8 °C / 24
  EXPECT_EQ(t.months[1], (DegreeDays{224.0f, 0.0f, 0}));   // 28 days × 8 °C
  EXPECT_FLOAT_EQ(t.months[11].cdd.value(), 0.25f);        // one hour 6 °C above 24
  EXPECT_EQ(t.year.missingHours, 24);
  EXPECT_NEAR(t.year.hdd.value(), (8759 - 24) * 8.0 / 24.0, 1e-3);
}

// A span without one valid hour has no degree-days at all (not 0, which
// would read as no heating); the year leaves that month out and counts its hours.
TEST(DegreeDaysTest, ASpanWithoutAValidHourHasNoDegreeDays) {
  auto year = sinusoidalYear(10.0, 0.0);
  for (int h = 1; h <= lastHourOfMonth(1); ++h) year->year[static_cast<std::size_t>(h)].DBT = kMissing;
  const DegreeDayTable t = DegreeDaysByMonth(*year, 18.0f, 24.0f);
  EXPECT_EQ(t.months[0], (DegreeDays{std::nullopt, std::nullopt, 744}));
  EXPECT_EQ(t.months[1], (DegreeDays{224.0f, 0.0f, 0}));
  EXPECT_EQ(t.year.missingHours, 744);
  EXPECT_NEAR(t.year.hdd.value(), (kHoursPerYear - 744) * 8.0 / 24.0, 1e-2);

  for (int h = 1; h <= kHoursPerYear; ++h) year->year[static_cast<std::size_t>(h)].DBT = kMissing;
  EXPECT_EQ(DegreeDaysByMonth(*year, 18.0f, 24.0f).year,
            (DegreeDays{std::nullopt, std::nullopt, static_cast<int16_t>(kHoursPerYear)}));
}

TEST(DegreeDaysTest, SeoulNeedsMoreHeatingThanCooling) {
  const auto seoul = test::LoadRegion("seoul");
  const DegreeDayTable t = DegreeDaysByMonth(*seoul, kDefaultHeatingBase, kDefaultCoolingBase);
  // A continental climate: around 2,800 heating and 200 cooling degree-days.
  EXPECT_GT(t.year.hdd.value(), 2000.0f);
  EXPECT_LT(t.year.hdd.value(), 3600.0f);
  EXPECT_GT(t.year.cdd.value(), 50.0f);
  EXPECT_LT(t.year.cdd.value(), 500.0f);
  EXPECT_GT(t.months[0].hdd.value(), t.months[0].cdd.value());
  EXPECT_LT(t.months[6].hdd.value(), t.months[6].cdd.value());
}

TEST(DegreeDaysTest, AHeatingBaseAboveTheCoolingBaseIsWarnedOf) {
  const std::string above =
      "난방 기준온도가 냉방 기준온도보다 높습니다. 두 기준온도 사이의 시간은 난방도일과 "
      "냉방도일에 함께 더해집니다.";
  struct Case {
    float heatingBase, coolingBase;
    bool warned;
  };
  for (const Case c : {Case{18, 24, false}, Case{24, 24, false}, Case{24.5f, 24, true},
                       Case{30, 10, true}}) {
    EXPECT_EQ(DegreeDayBaseWarning(c.heatingBase, c.coolingBase), c.warned ? above : "")
        << c.heatingBase << " " << c.coolingBase;
  }
}

TEST(DegreeDaysTest, BaseBoxesReadLenientlyWithinTheirRanges) {
  struct Case {
    DegreeDayBase base;
    const char* text;
    std::optional<float> value;
  };
  const Case cases[] = {
      {DegreeDayBase::Heating, "18", 18.0f},
      {DegreeDayBase::Heating, " 15.5°C", 15.5f},
      {DegreeDayBase::Heating, "5", 5.0f},
      {DegreeDayBase::Heating, "30", 30.0f},
      {DegreeDayBase::Heating, "4.9", std::nullopt},
      {DegreeDayBase::Heating, "abc", std::nullopt},  // read as 0
      {DegreeDayBase::Heating, "", std::nullopt},
      {DegreeDayBase::Cooling, "24", 24.0f},
      {DegreeDayBase::Cooling, "10", 10.0f},
      {DegreeDayBase::Cooling, "40.0x", 40.0f},
      {DegreeDayBase::Cooling, "40.1", std::nullopt},
      {DegreeDayBase::Cooling, "-24", std::nullopt},
  };
  const Message heating = errorMessage(
      {"난방도일의 기준온도 입력이 유효하지 않습니다.", "", "[5°C <= 난방 기준온도 <= 30°C]"});
  const Message cooling = errorMessage(
      {"냉방도일의 기준온도 입력이 유효하지 않습니다.", "", "[10°C <= 냉방 기준온도 <= 40°C]"});
  for (const Case& c : cases) {
    RecordingSink sink;
    EXPECT_EQ(ReadDegreeDayBase(c.base, c.text, sink), c.value) << c.text;
    if (c.value) {
      EXPECT_TRUE(sink.empty()) << c.text;
    } else {
      ASSERT_EQ(sink.size(), 1u) << c.text;
      EXPECT_EQ(sink.last(), c.base == DegreeDayBase::Heating ? heating : cooling) << c.text;
    }
  }
}

}  // namespace
}  // namespace vlm
