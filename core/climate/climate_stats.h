// The tables the monthly-graph screens draw from a loaded year: maximum, mean
// and minimum of dry-bulb temperature, relative humidity, solar radiation and
// wind speed per month and for the year, and the hours per wind-direction
// class of each month, season and the year.
#pragma once

#include <array>
#include <cstdint>

#include "core/climate/climate_data.h"

namespace vlm {

// The 16 compass codes in the order of the wind-direction classes 1 … 16
// (NNE clockwise to N); class 17 is calm (0), class 18 missing (999).
inline constexpr std::array<int16_t, 16> kWindDirCodes = {23,  45,  68,  90,  113, 135, 158, 180,
                                                          203, 225, 248, 270, 293, 315, 338, 360};
inline constexpr int16_t kCalmClass = 17;
inline constexpr int16_t kMissingWindClass = 18;

// Periods (rows) of the wind-direction table after the twelve months.
inline constexpr int16_t kSpringRow = 13;  // March, April, May
inline constexpr int16_t kSummerRow = 14;  // June, July, August
inline constexpr int16_t kAutumnRow = 15;  // September, October, November
inline constexpr int16_t kWinterRow = 16;  // January, February and December of the same file
inline constexpr int16_t kYearRow = 17;

// The class 1 … 18 of a WindDir code, or 0 for a code outside the 18 (such an
// hour is counted in no class).
[[nodiscard]] int16_t windDirClass(int16_t windDir);

// Fills MonthStatDBT, MonthStatRH, MonthStatRad (stored Radiation / 10, in
// cal/cm²) and MonthStatWS from data.year. Hours holding their quantity's
// marker are skipped and the mean is taken over the remaining hours; a period
// without one valid hour gets empty cells. The year is a pass of its own over
// all 8760 hours, not a combination of the months.
void ComputeMonthStats(ClimateData& data);

// Fills WindDirCount from data.year: months counted hour by hour, seasons and
// the year summed from the months.
void CountWindDirs(ClimateData& data);

}  // namespace vlm
