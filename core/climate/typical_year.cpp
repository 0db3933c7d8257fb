#include "core/climate/typical_year.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "core/climate/climate_load.h"
#include "core/climate/typical_year_texts.h"

namespace vlm {
namespace {

constexpr std::array<int, 12> kDaysInMonth = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int kHoursPerDay = 24;
constexpr int kLeastHoursOfDailyMean = 20;
constexpr int kBestByRank = 3;

enum Quantity { kDryBulb, kHumidity, kRadiation, kQuantities };

int firstHourOfMonth(int month) {  // 0-based index, month 1 … 12
  int days = 0;
  for (int m = 1; m < month; ++m) days += kDaysInMonth[static_cast<std::size_t>(m - 1)];
  return days * kHoursPerDay;
}

// At least 90 % of `total`, rounded up.
int ninetyPercentOf(int total) { return (9 * total + 9) / 10; }

struct MonthOfYear {
  std::array<std::vector<float>, kQuantities> daily;  // the days with a mean
  int windHours = 0;
  double windSum = 0;
};

struct YearOfMonths {
  std::int16_t year = 0;
  std::array<MonthOfYear, 12> months;
};

struct Used {
  std::array<bool, kQuantities> quantity{};
  bool wind = false;
};

// The daily means and wind sums of one year; marks the quantities it reports.
YearOfMonths monthsOf(const ObservedYear& observed, Used& used) {
  YearOfMonths out;
  out.year = observed.year;
  Psychrometrics psychro;
  int hour = 0;
  for (int month = 1; month <= 12; ++month) {
    MonthOfYear& m = out.months[static_cast<std::size_t>(month - 1)];
    for (int day = 0; day < kDaysInMonth[static_cast<std::size_t>(month - 1)]; ++day) {
      std::array<double, kQuantities> sum{};
      std::array<int, kQuantities> count{};
      for (int h = 0; h < kHoursPerDay; ++h, ++hour) {
        const ClimateFileRecord& r = observed.records[static_cast<std::size_t>(hour)];
        HourRecord derived = hourOf(r);
        deriveHour(derived, psychro);
        const std::array<float, kQuantities> value = {r.DBT, derived.RH, r.Radiation};
        const std::array<float, kQuantities> marker = {kMissing, kMissing, kMissingRadiation};
        for (int q = 0; q < kQuantities; ++q) {
          if (value[q] == marker[q]) continue;
          sum[q] += value[q];
          ++count[q];
        }
        if (r.WindSpeed != kMissing) {
          m.windSum += r.WindSpeed;
          ++m.windHours;
        }
      }
      for (int q = 0; q < kQuantities; ++q) {
        used.quantity[q] = used.quantity[q] || count[q] > 0;
        const int least = q == kRadiation ? kHoursPerDay : kLeastHoursOfDailyMean;
        if (count[q] >= least) m.daily[q].push_back(static_cast<float>(sum[q] / count[q]));
      }
    }
    used.wind = used.wind || m.windHours > 0;
  }
  return out;
}

bool complete(const MonthOfYear& m, int month, const Used& used) {
  const int days = kDaysInMonth[static_cast<std::size_t>(month - 1)];
  for (int q = 0; q < kQuantities; ++q)
    if (used.quantity[q] && static_cast<int>(m.daily[q].size()) < ninetyPercentOf(days))
      return false;
  return !used.wind || m.windHours >= ninetyPercentOf(days * kHoursPerDay);
}

// Rank 1 for the smallest value; equal values share the better rank.
std::vector<int> ranksOf(const std::vector<float>& values) {
  std::vector<int> ranks(values.size());
  for (std::size_t i = 0; i < values.size(); ++i)
    ranks[i] = 1 + static_cast<int>(std::count_if(values.begin(), values.end(),
                                                  [&](float v) { return v < values[i]; }));
  return ranks;
}

struct Candidate {
  const YearOfMonths* year;
  TypicalCandidate result;
};

// FS, ranks, rank sums and wind deviations of one calendar month's candidates;
// gives the year chosen.
std::int16_t chooseMonth(int month, std::vector<Candidate>& candidates, const Used& used) {
  const auto index = static_cast<std::size_t>(month - 1);
  for (int q = 0; q < kQuantities; ++q) {
    if (!used.quantity[q]) continue;
    std::vector<float> pool;
    for (const Candidate& c : candidates) {
      const auto& daily = c.year->months[index].daily[q];
      pool.insert(pool.end(), daily.begin(), daily.end());
    }
    std::sort(pool.begin(), pool.end());
    std::vector<float> fs;
    for (Candidate& c : candidates) {
      fs.push_back(finkelsteinSchafer(c.year->months[index].daily[q], pool));
      if (q == kDryBulb) c.result.fsDryBulb = fs.back();
      if (q == kHumidity) c.result.fsHumidity = fs.back();
      if (q == kRadiation) c.result.fsRadiation = fs.back();
    }
    const std::vector<int> ranks = ranksOf(fs);
    for (std::size_t i = 0; i < candidates.size(); ++i) candidates[i].result.rankSum += ranks[i];
  }
  if (used.wind) {
    double sum = 0;
    for (const Candidate& c : candidates)
      sum += c.year->months[index].windSum / c.year->months[index].windHours;
    const double longTerm = sum / static_cast<double>(candidates.size());
    for (Candidate& c : candidates) {
      const MonthOfYear& m = c.year->months[index];
      c.result.windDeviation = static_cast<float>(std::fabs(m.windSum / m.windHours - longTerm));
    }
  }
  std::vector<const Candidate*> order;
  for (const Candidate& c : candidates) order.push_back(&c);
  std::stable_sort(order.begin(), order.end(), [](const Candidate* a, const Candidate* b) {
    return a->result.rankSum < b->result.rankSum;
  });
  order.resize(std::min<std::size_t>(order.size(), kBestByRank));
  if (!used.wind) return order.front()->result.year;
  // The first of the best three with the least deviation: on a tie the better rank sum.
  const auto best = std::min_element(order.begin(), order.end(), [](auto* a, auto* b) {
    return *a->result.windDeviation < *b->result.windDeviation;
  });
  return (*best)->result.year;
}

void addWarnings(TypicalYear& typical) {
  if (typical.yearsUsed.size() < kStandardYears)
    typical.warnings.push_back(fewYearsWarning(typical.yearsUsed.size()));
  if (!typical.humidityUsed)
    typical.warnings.push_back(quantityLeftOutWarning(kTypicalHumidityName));
  if (!typical.radiationUsed)
    typical.warnings.push_back(quantityLeftOutWarning(kTypicalRadiationName));
  if (!typical.windUsed) typical.warnings.push_back(quantityLeftOutWarning(kTypicalWindName));
}

// The value at `t` (0 … 1) of the line from a to b.
float along(float a, float b, double t) {
  return static_cast<float>(static_cast<double>(a) + (static_cast<double>(b) - a) * t);
}

}  // namespace

float finkelsteinSchafer(std::vector<float> month, const std::vector<float>& pool) {
  std::sort(month.begin(), month.end());
  const double n = static_cast<double>(month.size());
  const double N = static_cast<double>(pool.size());
  double fs = 0;
  for (const float x : month) {
    const auto j = std::upper_bound(month.begin(), month.end(), x) - month.begin();
    const auto k = std::upper_bound(pool.begin(), pool.end(), x) - pool.begin();
    fs += std::fabs(static_cast<double>(j) / (n + 1) - static_cast<double>(k) / (N + 1));
  }
  return static_cast<float>(fs);
}

void smoothMonthJoins(std::vector<ClimateFileRecord>& records) {
  constexpr int kSteps = 2 * kTypicalJoinHours + 1;
  for (int month = 2; month <= 12; ++month) {
    const int join = firstHourOfMonth(month);
    const ClimateFileRecord a = records[static_cast<std::size_t>(join - kTypicalJoinHours - 1)];
    const ClimateFileRecord b = records[static_cast<std::size_t>(join + kTypicalJoinHours)];
    const bool air =
        a.DBT != kMissing && b.DBT != kMissing && a.WBT != kMissing && b.WBT != kMissing;
    const bool pressure = a.Pressure != kMissingPressure && b.Pressure != kMissingPressure;
    const bool wind = a.WindSpeed != kMissing && b.WindSpeed != kMissing;
    for (int i = 1; i < kSteps; ++i) {
      ClimateFileRecord& r = records[static_cast<std::size_t>(join - kTypicalJoinHours - 1 + i)];
      const double t = static_cast<double>(i) / kSteps;
      if (air) {
        r.DBT = along(a.DBT, b.DBT, t);
        r.WBT = along(a.WBT, b.WBT, t);
      }
      if (pressure) r.Pressure = along(a.Pressure, b.Pressure, t);
      if (wind && r.WindDir != kCalm) r.WindSpeed = along(a.WindSpeed, b.WindSpeed, t);
    }
  }
}

std::optional<TypicalYear> BuildTypicalYear(const std::vector<ObservedYear>& years,
                                            MessageSink& sink) {
  Used used;
  std::vector<YearOfMonths> stats;
  stats.reserve(years.size());
  for (const ObservedYear& year : years) stats.push_back(monthsOf(year, used));
  std::sort(stats.begin(), stats.end(), [](auto& a, auto& b) { return a.year < b.year; });

  TypicalYear typical;
  typical.humidityUsed = used.quantity[kHumidity];
  typical.radiationUsed = used.quantity[kRadiation];
  typical.windUsed = used.wind;
  std::vector<int> missingMonths;
  for (int month = 1; month <= 12; ++month) {
    std::vector<Candidate> candidates;
    for (const YearOfMonths& year : stats)
      if (complete(year.months[static_cast<std::size_t>(month - 1)], month, used))
        candidates.push_back({&year, TypicalCandidate{year.year, 0, {}, {}, 0, {}}});
    TypicalMonth& result = typical.months[static_cast<std::size_t>(month - 1)];
    result.month = month;
    if (candidates.empty()) {
      missingMonths.push_back(month);
      continue;
    }
    result.year = chooseMonth(month, candidates, used);
    for (const Candidate& c : candidates) {
      result.candidates.push_back(c.result);
      typical.yearsUsed.push_back(c.result.year);
    }
  }
  if (!missingMonths.empty()) {
    sink.show(noCandidateMessage(missingMonths));
    return std::nullopt;
  }
  std::sort(typical.yearsUsed.begin(), typical.yearsUsed.end());
  typical.yearsUsed.erase(std::unique(typical.yearsUsed.begin(), typical.yearsUsed.end()),
                          typical.yearsUsed.end());
  addWarnings(typical);

  typical.records.resize(kHoursPerYear);
  for (const TypicalMonth& month : typical.months) {
    const auto source = std::find_if(years.begin(), years.end(),
                                     [&](const ObservedYear& y) { return y.year == month.year; });
    const int from = firstHourOfMonth(month.month);
    const int to = month.month == 12 ? kHoursPerYear : firstHourOfMonth(month.month + 1);
    std::copy(source->records.begin() + from, source->records.begin() + to,
              typical.records.begin() + from);
  }
  for (int k = 1; k <= kHoursPerYear; ++k)
    typical.records[static_cast<std::size_t>(k - 1)].RecIndex =
        static_cast<int16_t>(k + kRecIndexOffset);
  smoothMonthJoins(typical.records);
  return typical;
}

}  // namespace vlm
