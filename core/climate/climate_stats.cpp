#include "core/climate/climate_stats.h"

#include <algorithm>
#include <string>

#include "core/climate/date_time.h"

namespace vlm {
namespace {

constexpr int16_t kYearStatRow = 13;

// One quantity of the statistics: the field of the hour, its marker, and
// whether it is stored in tenths (radiation) and shown divided by 10.
struct Quantity {
  float HourRecord::*field;
  float marker;
  bool tenths;
};

constexpr Quantity kDBT{&HourRecord::DBT, kMissing, false};
constexpr Quantity kRH{&HourRecord::RH, kMissing, false};
constexpr Quantity kRadiation{&HourRecord::Radiation, kMissingRadiation, true};
constexpr Quantity kWindSpeed{&HourRecord::WindSpeed, kMissing, false};

float shownValue(float stored, bool tenths) {
  return tenths ? static_cast<float>(static_cast<double>(stored) / 10.0) : stored;
}

// Maximum, mean and minimum of hours first … last. The sum is kept in double:
// a float running sum over a year of radiation drifts by hundredths.
void fillRow(MonthStatRow& row, const ClimateData& data, int first, int last, Quantity q) {
  float maximum = -100000.0f;
  float minimum = 100000.0f;
  double sum = 0.0;
  int valid = 0;
  for (int h = first; h <= last; ++h) {
    const float stored = data.year[static_cast<std::size_t>(h)].*q.field;
    if (stored == q.marker) continue;
    const float value = shownValue(stored, q.tenths);
    if (value > maximum) maximum = value;
    if (value < minimum) minimum = value;
    sum += value;
    ++valid;
  }
  if (valid == 0) {
    row.max = row.mean = row.min = std::nullopt;
    return;
  }
  row.max = maximum;
  row.mean = static_cast<float>(sum / valid);
  row.min = minimum;
}

void fillTable(MonthStatTable& table, const ClimateData& data, Quantity q) {
  table.rows[0].label.clear();
  for (int16_t month = 1; month <= 12; ++month) {
    auto& row = table.rows[static_cast<std::size_t>(month)];
    row.label = std::to_string(month) + "월";
    fillRow(row, data, firstHourOfMonth(month), lastHourOfMonth(month), q);
  }
  auto& year = table.rows[kYearStatRow];
  year.label = "년간";
  fillRow(year, data, 1, kHoursPerYear, q);
}

}  // namespace

int16_t windDirClass(int16_t windDir) {
  if (windDir == kCalm) return kCalmClass;
  if (windDir == kMissingWindDir) return kMissingWindClass;
  const auto* found = std::find(kWindDirCodes.begin(), kWindDirCodes.end(), windDir);
  if (found == kWindDirCodes.end()) return 0;
  return static_cast<int16_t>(found - kWindDirCodes.begin() + 1);
}

void ComputeMonthStats(ClimateData& data) {
  fillTable(data.MonthStatDBT, data, kDBT);
  fillTable(data.MonthStatRH, data, kRH);
  fillTable(data.MonthStatRad, data, kRadiation);
  fillTable(data.MonthStatWS, data, kWindSpeed);
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
