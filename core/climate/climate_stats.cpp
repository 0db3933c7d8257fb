#include "core/climate/climate_stats.h"

#include <algorithm>
#include <string>

#include "core/climate/date_time.h"

namespace vlm {
namespace {

constexpr int16_t kYearStatRow = 13;

// Maximum, mean and minimum of one quantity over one period. The sum is kept
// in double: a float running sum over a year of radiation drifts by hundredths.
struct Accumulator {
  float maximum = -100000.0f;
  float minimum = 100000.0f;
  double sum = 0.0;
  int valid = 0;

  void add(float value) {
    if (value > maximum) maximum = value;
    if (value < minimum) minimum = value;
    sum += value;
    ++valid;
  }

  // A period without one valid hour gets empty cells.
  void fill(MonthStatRow& row) const {
    if (valid == 0) {
      row.max = row.mean = row.min = std::nullopt;
      return;
    }
    row.max = maximum;
    row.mean = static_cast<float>(sum / valid);
    row.min = minimum;
  }
};

// The four quantities of the tables, in the order DBT, RH, radiation, wind speed.
constexpr std::size_t kQuantities = 4;
using Accumulators = std::array<Accumulator, kQuantities>;

// An hour's four values, each with whether it holds its marker; radiation is
// stored in tenths of cal/cm² and shown divided by 10. The year's sums run
// hour by hour here; its extremes and counts are the months' afterwards.
void addHour(Accumulators& month, std::array<double, kQuantities>& yearSum,
             const HourRecord& hour) {
  const std::array<bool, kQuantities> present = {hour.DBT != kMissing, hour.RH != kMissing,
                                                 hour.Radiation != kMissingRadiation,
                                                 hour.WindSpeed != kMissing};
  const std::array<float, kQuantities> values = {
      hour.DBT, hour.RH, static_cast<float>(static_cast<double>(hour.Radiation) / 10.0),
      hour.WindSpeed};
  for (std::size_t q = 0; q < kQuantities; ++q) {
    if (!present[q]) continue;
    month[q].add(values[q]);
    yearSum[q] += values[q];
  }
}

Accumulator yearOf(const std::array<Accumulators, 14>& rows, std::size_t q, double sum) {
  Accumulator year;
  for (std::size_t month = 1; month <= 12; ++month) {
    const Accumulator& m = rows[month][q];
    if (m.valid == 0) continue;
    if (m.maximum > year.maximum) year.maximum = m.maximum;
    if (m.minimum < year.minimum) year.minimum = m.minimum;
    year.valid += m.valid;
  }
  year.sum = sum;
  return year;
}

// The wind-direction class of each code 0 … 360, 0 for a code of no class.
constexpr std::array<int8_t, 361> kWindClassOfCode = [] {
  std::array<int8_t, 361> classes{};
  for (std::size_t i = 0; i < kWindDirCodes.size(); ++i) {
    classes[static_cast<std::size_t>(kWindDirCodes[i])] = static_cast<int8_t>(i + 1);
  }
  classes[static_cast<std::size_t>(kCalm)] = kCalmClass;
  return classes;
}();

}  // namespace

int16_t windDirClass(int16_t windDir) {
  if (windDir == kMissingWindDir) return kMissingWindClass;
  if (windDir < 0 || windDir > 360) return 0;
  return kWindClassOfCode[static_cast<std::size_t>(windDir)];
}

// One pass over the year: each hour adds to its month and to the year, in
// hour order, so the year's sums are those of a pass of their own.
void ComputeMonthStats(ClimateData& data) {
  std::array<Accumulators, 14> rows{};
  std::array<double, kQuantities> yearSum{};
  for (int16_t month = 1; month <= 12; ++month) {
    Accumulators& row = rows[static_cast<std::size_t>(month)];
    for (int h = firstHourOfMonth(month); h <= lastHourOfMonth(month); ++h) {
      addHour(row, yearSum, data.year[static_cast<std::size_t>(h)]);
    }
  }
  for (std::size_t q = 0; q < kQuantities; ++q) rows[kYearStatRow][q] = yearOf(rows, q, yearSum[q]);
  const std::array<MonthStatTable*, kQuantities> tables = {&data.MonthStatDBT, &data.MonthStatRH,
                                                           &data.MonthStatRad, &data.MonthStatWS};
  for (std::size_t q = 0; q < kQuantities; ++q) {
    MonthStatTable& table = *tables[q];
    table.rows[0].label.clear();
    for (int16_t r = 1; r <= kYearStatRow; ++r) {
      MonthStatRow& row = table.rows[static_cast<std::size_t>(r)];
      row.label = r == kYearStatRow ? "년간" : std::to_string(r) + "월";
      rows[static_cast<std::size_t>(r)][q].fill(row);
    }
  }
}

void CountWindDirs(ClimateData& data) {
  auto& table = data.WindDirCount;
  for (auto& row : table) row.fill(0);
  for (int16_t month = 1; month <= 12; ++month) {
    auto& row = table[static_cast<std::size_t>(month)];
    for (int h = firstHourOfMonth(month); h <= lastHourOfMonth(month); ++h) {
      const int16_t cls = windDirClass(data.year[static_cast<std::size_t>(h)].WindDir);
      if (cls != 0) ++row[static_cast<std::size_t>(cls)];
    }
  }
  const auto sumOf = [&](std::initializer_list<int> months, std::size_t cls) {
    int total = 0;
    for (const int m : months) total += table[static_cast<std::size_t>(m)][cls];
    return static_cast<int16_t>(total);
  };
  for (std::size_t cls = 1; cls <= 18; ++cls) {
    table[kSpringRow][cls] = sumOf({3, 4, 5}, cls);
    table[kSummerRow][cls] = sumOf({6, 7, 8}, cls);
    table[kAutumnRow][cls] = sumOf({9, 10, 11}, cls);
    table[kWinterRow][cls] = sumOf({1, 2, 12}, cls);
    table[kYearRow][cls] = sumOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, cls);
  }
}

}  // namespace vlm
