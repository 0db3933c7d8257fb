// A climate year written as an EPW weather file, for the building energy
// simulation tools that read that format.
//
// The eight header lines: LOCATION from the site; DESIGN CONDITIONS,
// TYPICAL/EXTREME PERIODS and GROUND TEMPERATURES present with no entries;
// HOLIDAYS/DAYLIGHT SAVINGS (no leap day, no daylight saving, no holidays);
// COMMENTS 1 naming Velmora and the source; COMMENTS 2 saying how the derived
// fields were made; DATA PERIODS (one hourly period, 1/1 … 12/31).
//
// Stored hour H (0 … 23) of a day is EPW hour H + 1, the interval that ends at
// H + 1:00. Per hour:
//   dry bulb, wind speed   the stored value, in as few digits as read back the same float
//   dew point              from the wet bulb at the hour's pressure, in as few
//                          decimals as give the wet bulb back on reading
//   relative humidity      from the same humidity ratio, whole %
//   station pressure       kPa × 1000 → Pa, in as few digits as read back the same kPa
//   global horizontal      tenths of cal/cm² × 4184 / 3600 → Wh/m², whole
//   direct normal, diffuse horizontal
//                          the hour's split of the global (Erbs), Wh/m², whole
//   extraterrestrial horizontal and direct normal
//                          over the interval the hour's radiation covers, so
//                          that a reader can tell the radiation's timing
//   wind direction         the 16-point code in degrees (0 calm, 360 north)
//   total sky cover        tenths
// Every missing value is the format's own missing code, and so is every
// field Velmora does not hold (illuminance, visibility, precipitation, …).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/climate/climate_record.h"
#include "core/climate/conversion_progress.h"
#include "core/climate/site.h"

namespace vlm {

// What the header says about where the year came from.
struct EpwSource {
  // Named in COMMENTS 1 after "Velmora climate year from ".
  std::string description;
  // Metres above sea level; estimated from the year's mean station pressure
  // when the source does not give it.
  std::optional<double> elevation;
  // The year each month's hours were observed in; 0 where it is not known.
  std::array<int16_t, 12> years{};
};

// A non-leap year whose 1 January is a Sunday: the year written where the
// source's is not known, so that the data lines agree with DATA PERIODS.
inline constexpr int16_t kEpwReferenceYear = 2017;

// The elevation (m) of the standard atmosphere at a station pressure (kPa),
// the inverse of Psychrometrics::SetPatm_Alt.
[[nodiscard]] double elevationOfPressure(double kilopascals);

// The weekday of 1 January of a year (Gregorian), as DATA PERIODS names it.
[[nodiscard]] const char* weekdayOfNewYear(int year);

// Station pressure in Pa, "999999" when missing.
[[nodiscard]] std::string epwPressureText(float kilopascals);

// The header and the 8760 data lines of a year (record k at index k − 1),
// CR LF after every line. Calls progress.hourDone(k) after hour k.
[[nodiscard]] std::string EpwText(std::span<const ClimateFileRecord> records, const Site& site,
                                  const EpwSource& source, const ConversionProgress& progress = {});

// Writes EpwText through a temporary file renamed into place; throws FileError.
void WriteEpwFile(const std::string& path, std::span<const ClimateFileRecord> records,
                  const Site& site, const EpwSource& source,
                  const ConversionProgress& progress = {});

}  // namespace vlm
