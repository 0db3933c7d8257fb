// A typical year by ISO 15927-4:2005 from several actual years of one station.
//
// For each calendar month, every year whose month is complete enough is a
// candidate. A day has a daily mean of dry bulb or relative humidity when at
// least 20 of its 24 hours hold the quantity, of global horizontal irradiation
// only when all 24 do (night hours are 0, not missing: a missing hour is lost
// sunshine). A month is complete enough when each quantity used has a daily
// mean on at least 90 % of its days (28 of 31, 27 of 30, 26 of 28) and wind
// speed is held by at least 90 % of its hours. A quantity is used when the
// station reports it at all: a station without radiation is selected on dry
// bulb and humidity alone.
//
// Per quantity p, month m and candidate y, with the n daily means x of y's
// month and the N daily means of all candidates' months together:
//   F(x) = J(x) / (n + 1), J(x) = the number of y's means ≤ x
//   Φ(x) = K(x) / (N + 1), K(x) = the number of all means ≤ x
//   FS(p, y, m) = Σ over y's days |F(x) − Φ(x)|          (Finkelstein–Schafer)
// The candidates are ranked per quantity (rank 1 = the smallest FS, equal FS
// share the better rank) and the ranks summed. Of the three smallest sums
// (the earlier year first on a tie), the month chosen is the one whose mean
// wind speed lies nearest the mean of all candidates' monthly means.
//
// The twelve months are joined into one year and each of the eleven joins is
// smoothed: the 8 hours before and the 8 hours after midnight (16 h … 23 h of
// the last day, 0 h … 7 h of the first) take the values on the straight line
// between 15 h of the last day and 8 h of the first, for dry bulb, wet bulb
// (so the humidity follows), station pressure and wind speed. A calm hour
// stays calm; direction, cloud and radiation keep their hours' values, and a
// quantity whose anchor is missing is left as it is.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/climate/climate_record.h"
#include "core/common/message.h"

namespace vlm {

// One actual year of the station: 8760 records, record k at index k − 1.
struct ObservedYear {
  std::int16_t year = 0;
  std::vector<ClimateFileRecord> records;
};

inline constexpr int kTypicalJoinHours = 8;
inline constexpr int kStandardYears = 10;

struct TypicalCandidate {
  std::int16_t year = 0;
  float fsDryBulb = 0;
  std::optional<float> fsHumidity, fsRadiation;  // nothing when the quantity is not used
  int rankSum = 0;
  std::optional<float> windDeviation;  // m/s, |month's mean − the candidates' mean|
};

struct TypicalMonth {
  int month = 0;                             // 1 … 12
  std::int16_t year = 0;                     // the year chosen
  std::vector<TypicalCandidate> candidates;  // in calendar order
};

struct TypicalYear {
  std::array<TypicalMonth, 12> months;
  std::vector<std::int16_t> yearsUsed;  // candidates of at least one month
  bool humidityUsed = false, radiationUsed = false, windUsed = false;
  std::vector<std::string> warnings;
  std::vector<ClimateFileRecord> records;  // 8760, joined and smoothed
};

// The FS statistic of a month's daily means (days without a mean left out)
// against the pool of all candidates' means of that month, sorted ascending.
[[nodiscard]] float finkelsteinSchafer(std::vector<float> month, const std::vector<float>& pool);

// Builds the typical year from the years (in any order, each year once). A
// month without a candidate is refused with a message naming every such month.
[[nodiscard]] std::optional<TypicalYear> BuildTypicalYear(const std::vector<ObservedYear>& years,
                                                          MessageSink& sink);

// The smoothing of the joins alone, on a year already put together.
void smoothMonthJoins(std::vector<ClimateFileRecord>& records);

}  // namespace vlm
