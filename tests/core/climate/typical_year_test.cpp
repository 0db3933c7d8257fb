// The typical year: a synthetic ten-year set in which one year of each month
// is built to be the closest to the pool of all years, the FS statistics
// recomputed from the daily means, smooth joins, and the refusals and warnings.
#include "core/climate/typical_year.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/climate/climate_load.h"
#include "core/climate/typical_year_texts.h"

namespace vlm {
namespace {

constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int kFirstYear = 2011;

// The year made typical for a month: a different one for most months.
int typicalYearOf(int month) { return kFirstYear + (month * 7) % 10; }

// How far year `y` lies from the typical one in `month`: 0 for the typical
// year; ±1 … ±4 for eight years; the tenth has the typical centre but a
// third of its spread.
struct Offset {
  double shift, spread, wind;
};
Offset offsetOf(int year, int month) {
  static constexpr std::array<Offset, 10> kOffsets = {{{0, 1, 0},
                                                       {1, 1, 0.1},
                                                       {-1, 1, -0.1},
                                                       {2, 1, 0.2},
                                                       {-2, 1, -0.2},
                                                       {3, 1, 0.3},
                                                       {-3, 1, -0.3},
                                                       {4, 1, 0.4},
                                                       {-4, 1, -0.4},
                                                       {0, 0.3, 0.45}}};
  return kOffsets[static_cast<std::size_t>((year - typicalYearOf(month) + 10) % 10)];
}

// A fixed scrambled value in −1 … 1 for each day (two independent orders).
double shapeOf(int day, int seed) {
  return std::fmod((day * (37 + seed * 14)) % 61 / 30.0, 2.0) - 1;
}

ObservedYear syntheticYear(int year, bool radiation = true) {
  ObservedYear observed{static_cast<std::int16_t>(year), std::vector<ClimateFileRecord>(8760)};
  int k = 0, dayOfYear = 0;
  for (int month = 1; month <= 12; ++month) {
    const Offset o = offsetOf(year, month);
    const double season = 10 - 12 * std::cos(2 * M_PI * (month - 0.5) / 12);
    for (int day = 0; day < kDays[static_cast<std::size_t>(month - 1)]; ++day, ++dayOfYear) {
      const double mean = season + o.shift + 2 * o.spread * shapeOf(dayOfYear, 0);
      const double daily = 1000 + 200 * (o.shift + o.spread * shapeOf(dayOfYear, 1));
      for (int h = 0; h < 24; ++h, ++k) {
        const double wave = std::cos(2 * M_PI * (h - 14) / 24);
        ClimateFileRecord& r = observed.records[static_cast<std::size_t>(k)];
        r.RecIndex = static_cast<std::int16_t>(k + 124);
        r.DBT = static_cast<float>(mean + 4 * wave);
        r.WBT = r.DBT - 2.0f;
        r.Pressure = static_cast<float>(101 + 0.02 * o.shift + 0.1 * wave);
        r.WindDir = 180;
        r.WindSpeed = static_cast<float>(3 + o.wind + 0.5 * wave);
        r.Cloud = 5;
        const bool sun = h >= 6 && h < 18;
        r.Radiation = !radiation ? kMissingRadiation : sun ? static_cast<float>(daily / 12) : 0.0f;
      }
    }
  }
  return observed;
}

std::vector<ObservedYear> syntheticYears(int count = 10, bool radiation = true) {
  std::vector<ObservedYear> years;
  for (int y = kFirstYear; y < kFirstYear + count; ++y)
    years.push_back(syntheticYear(y, radiation));
  return years;
}

// The brute-force statistic: the empirical distributions by counting.
double fsByCounting(const std::vector<float>& month, const std::vector<float>& pool) {
  double fs = 0;
  for (const float x : month) {
    const auto j = std::count_if(month.begin(), month.end(), [x](float v) { return v <= x; });
    const auto k = std::count_if(pool.begin(), pool.end(), [x](float v) { return v <= x; });
    fs += std::fabs(double(j) / double(month.size() + 1) - double(k) / double(pool.size() + 1));
  }
  return fs;
}

// The daily means of one quantity in a month of a year, by the rule's own words.
std::vector<float> dailyMeans(const ObservedYear& year, int month, int quantity) {
  int first = 0;
  for (int m = 1; m < month; ++m) first += kDays[static_cast<std::size_t>(m - 1)] * 24;
  std::vector<float> means;
  Psychrometrics psychro;
  for (int day = 0; day < kDays[static_cast<std::size_t>(month - 1)]; ++day) {
    double sum = 0;
    for (int h = 0; h < 24; ++h) {
      const ClimateFileRecord& r = year.records[static_cast<std::size_t>(first + day * 24 + h)];
      HourRecord hour = hourOf(r);
      deriveHour(hour, psychro);
      sum += quantity == 0 ? r.DBT : quantity == 1 ? hour.RH : r.Radiation;
    }
    means.push_back(static_cast<float>(sum / 24));
  }
  return means;
}

TEST(TypicalYear, TheYearBuiltClosestToThePoolIsChosenForEveryMonth) {
  const auto years = syntheticYears();
  RecordingSink sink;
  const auto typical = BuildTypicalYear(years, sink);
  ASSERT_TRUE(typical.has_value()) << (sink.empty() ? "" : sink.last().text());
  EXPECT_TRUE(sink.empty());
  EXPECT_TRUE(typical->warnings.empty());
  for (const TypicalMonth& month : typical->months) {
    EXPECT_EQ(month.year, typicalYearOf(month.month)) << "month " << month.month;
    EXPECT_EQ(month.candidates.size(), 10u);
  }
  // The chosen month's hours away from the joins are its year's own.
  const std::size_t midJuly = (181 + 15) * 24 + 12;
  EXPECT_EQ(typical->records[midJuly].DBT,
            years[static_cast<std::size_t>(typicalYearOf(7) - kFirstYear)].records[midJuly].DBT);
}

TEST(TypicalYear, ReportedStatisticsAreRecomputedFromTheDailyMeans) {
  const auto years = syntheticYears();
  RecordingSink sink;
  const auto typical = BuildTypicalYear(years, sink);
  ASSERT_TRUE(typical.has_value());
  for (const TypicalMonth& month : typical->months) {
    for (int q = 0; q < 3; ++q) {
      std::vector<float> pool;
      for (const ObservedYear& y : years) {
        const auto means = dailyMeans(y, month.month, q);
        pool.insert(pool.end(), means.begin(), means.end());
      }
      std::vector<double> fs;
      for (const TypicalCandidate& c : month.candidates) {
        const double expected = fsByCounting(
            dailyMeans(years[static_cast<std::size_t>(c.year - kFirstYear)], month.month, q), pool);
        const float reported = q == 0 ? c.fsDryBulb : q == 1 ? *c.fsHumidity : *c.fsRadiation;
        EXPECT_NEAR(reported, expected, 1e-5) << "month " << month.month << " quantity " << q;
        fs.push_back(expected);
      }
      // The chosen year holds the smallest statistic of every quantity.
      const auto chosen = std::find_if(month.candidates.begin(), month.candidates.end(),
                                       [&](auto& c) { return c.year == month.year; });
      EXPECT_EQ(fs[static_cast<std::size_t>(chosen - month.candidates.begin())],
                *std::min_element(fs.begin(), fs.end()));
    }
  }
}

TEST(TypicalYear, JoinsStepNoMoreThanTheHoursAroundThem) {
  RecordingSink sink;
  const auto typical = BuildTypicalYear(syntheticYears(), sink);
  ASSERT_TRUE(typical.has_value());
  const auto& r = typical->records;
  using Field = float ClimateFileRecord::*;
  for (const Field field : {&ClimateFileRecord::DBT, &ClimateFileRecord::WBT,
                            &ClimateFileRecord::Pressure, &ClimateFileRecord::WindSpeed}) {
    int join = 0;
    for (int month = 1; month < 12; ++month) {
      join += kDays[static_cast<std::size_t>(month - 1)] * 24;
      const auto step = [&](int i) {
        return std::fabs(r[static_cast<std::size_t>(i + 1)].*field -
                         r[static_cast<std::size_t>(i)].*field);
      };
      float inside = 0, around = 0;
      for (int i = join - 9; i < join + 8; ++i) inside = std::max(inside, step(i));
      for (int i = 1; i <= 8; ++i)
        around = std::max({around, step(join - 9 - i), step(join + 7 + i)});
      EXPECT_LE(inside, around) << "month " << month;
    }
  }
}

TEST(TypicalYear, RefusalsAndWarningsSayWhatTheSetLacks) {
  struct Case {
    const char* name;
    int years;
    bool radiation;
    int blankMonth;  // 0: none; its dry bulb missing in every year
    std::vector<std::string> refusal;
    std::vector<std::string> warnings;
  };
  const std::vector<Case> cases = {
      {"seven years",
       7,
       true,
       0,
       {},
       {"표준(ISO 15927-4)은 10년 이상의 자료를 요구합니다: 7년의 자료로 만들었습니다."}},
      {"no radiation", 10, false, 0, {}, {"일사량 자료가 없어 선정에서 뺐습니다."}},
      {"a month without data",
       10,
       true,
       3,
       {"표준기상년을 만들 수 없습니다.", "[자료가 충분한 연도(1개 이상) 위반: 3월]",
        "(하루 평균이 그 달 날수의 90 % 이상에 있고 풍속이 시간의 90 % 이상에 있는 달만 "
        "후보가 됩니다.)"},
       {}},
  };
  for (const Case& c : cases) {
    auto years = syntheticYears(c.years, c.radiation);
    if (c.blankMonth)
      for (ObservedYear& y : years)
        for (int k = (31 + 28) * 24; k < (31 + 28 + 31) * 24 - 24 * 3; ++k)
          y.records[static_cast<std::size_t>(k)].DBT = kMissing;
    RecordingSink sink;
    const auto typical = BuildTypicalYear(years, sink);
    if (!c.refusal.empty()) {
      EXPECT_FALSE(typical.has_value()) << c.name;
      ASSERT_EQ(sink.size(), 1u) << c.name;
      EXPECT_EQ(sink.last().lines, c.refusal) << c.name;
      continue;
    }
    ASSERT_TRUE(typical.has_value()) << c.name;
    EXPECT_EQ(typical->warnings, c.warnings) << c.name;
    EXPECT_EQ(typical->radiationUsed, c.radiation) << c.name;
    for (const TypicalMonth& month : typical->months)
      EXPECT_EQ(month.candidates.front().fsRadiation.has_value(), c.radiation) << c.name;
  }
}

TEST(TypicalYear, AMonthMissingSomeDaysIsNoCandidate) {
  auto years = syntheticYears();
  auto& hours = years[0].records;  // of 2011
  const auto blank = [&](int firstDayOfYear, int days, int hoursEach,
                         float ClimateFileRecord::*field, float marker) {
    for (int d = firstDayOfYear; d < firstDayOfYear + days; ++d)
      for (int h = 0; h < hoursEach; ++h)
        hours[static_cast<std::size_t>(d * 24 + h)].*field = marker;
  };
  // April: four days with 19 hours of dry bulb, no daily mean: 26 of 30 days.
  blank(90, 4, 5, &ClimateFileRecord::DBT, kMissing);
  // May: every day with 20 hours still has its mean.
  blank(120, 31, 4, &ClimateFileRecord::DBT, kMissing);
  // June: four days that lack one hour of radiation have no daily irradiation.
  blank(151, 4, 1, &ClimateFileRecord::Radiation, kMissingRadiation);
  RecordingSink sink;
  const auto typical = BuildTypicalYear(years, sink);
  ASSERT_TRUE(typical.has_value());
  const auto has2011 = [](const TypicalMonth& m) {
    return std::any_of(m.candidates.begin(), m.candidates.end(),
                       [](auto& c) { return c.year == kFirstYear; });
  };
  EXPECT_FALSE(has2011(typical->months[3]));
  EXPECT_TRUE(has2011(typical->months[4]));
  EXPECT_FALSE(has2011(typical->months[5]));
}

}  // namespace
}  // namespace vlm
