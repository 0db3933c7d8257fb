// Import of an hourly weather file in the EPW format (8 header lines, then one
// comma-separated line of 35 fields per hour) into the 8760 records of a .cly
// file. Hour h (1 … 24) of an EPW day is the interval ending at h:00, which
// the climate year holds as hour of day h − 1. A leap year's 29 February is
// dropped, because the climate year is always a non-leap year. A year may start
// on the first hour of any day and run on across 31 December (an actual year
// cut from a longer record): its hours are put in calendar order.
//
// Per hour:
//   DBT       dry bulb, °C
//   WBT       wet bulb of the hour's dry bulb and humidity ratio at the hour's
//             pressure; the humidity ratio comes from the dew point, or from the
//             relative humidity when the dew point is missing
//   Pressure  station pressure Pa / 1000 → kPa
//   WindDir   0 (calm) when the speed is 0, else the 16-point code, 360 = north
//   WindSpeed m/s
//   Cloud     total sky cover, tenths
//   Radiation global horizontal Wh/m² × 3600 / 41840 × 10 → whole tenths of cal/cm²
// EPW missing values become the .cly markers; so does a value that no valid
// observation can have (a direction outside 0 … 360°, a sky cover outside
// 0 … 10 tenths), and a wet bulb that cannot be computed is 999.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory_resource>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/climate/climate_record.h"
#include "core/climate/conversion_progress.h"
#include "core/climate/site.h"
#include "core/common/message.h"
#include "core/psychro/psychrometrics.h"

namespace vlm {

// EPW missing values.
inline constexpr float kEpwMissingTemperature = 99.9f;   // dry bulb, dew point
inline constexpr float kEpwMissingHumidity = 999.0f;     // relative humidity
inline constexpr float kEpwMissingPressure = 999999.0f;  // station pressure, Pa
inline constexpr float kEpwMissingWind = 999.0f;         // direction and speed
inline constexpr float kEpwMissingSkyCover = 99.0f;      // total sky cover
inline constexpr float kEpwMissingRadiation = 9999.0f;   // this or more, Wh/m²

inline constexpr int kEpwHeaderLines = 8;
inline constexpr int kEpwFieldCount = 35;
inline constexpr std::size_t kEpwMaxLineLength = 4096;

struct EpwStation {
  std::string name;     // the LOCATION line's city field
  float latitude = 0;   // degrees, north positive
  float elevation = 0;  // metres
  // The LOCATION line's city, latitude, longitude and time zone; nothing when
  // the longitude or the time zone does not read or breaks a site's ranges.
  std::optional<Site> site;
  bool operator==(const EpwStation&) const = default;
};

// The fields of one EPW hour that the import reads, as the file writes them.
struct EpwHour {
  float month = 0, day = 0, hour = 0;  // hour 1 … 24
  float dryBulb = 0;                   // °C
  float dewPoint = 0;                  // °C
  float relativeHumidity = 0;          // %
  float stationPressure = 0;           // Pa
  float globalHorizontal = 0;          // Wh/m²
  float windDirection = 0;             // degrees from north
  float windSpeed = 0;                 // m/s
  float totalSkyCover = 0;             // tenths
  // Wh/m², read but never refused: only the radiation's timing is taken from it.
  float extraterrestrialHorizontal = 0;
};

// The 16-point code of a direction: 0 for a calm hour (speed 0), 999 when the
// direction is missing or not a direction.
[[nodiscard]] int16_t windDirCodeOf(float degrees, float speed);
// Tenths of cal/cm² from Wh/m², rounded to a whole tenth; 9999 when missing.
[[nodiscard]] float radiationTenthsOf(float globalHorizontal);
// Tenths of sky cover, 99 when missing.
[[nodiscard]] int16_t cloudOf(float totalSkyCover);
// A dew point above the dry bulb by more than this is a fault of the source
// (columns merged from different records), not supersaturated air: the hour's
// humidity comes from its relative humidity when that is valid, and is
// missing otherwise.
inline constexpr double kDewPointExcess = 0.5;  // K
// The relative humidities the format allows.
inline constexpr float kEpwHighestHumidity = 110.0f;  // %

// True when a dew point (the EPW value, 99.9 when missing) lies more than
// kDewPointExcess above a valid dry bulb.
[[nodiscard]] bool dewPointAboveDryBulb(float dryBulb, float dewPoint);
// True when a relative humidity (the EPW value) is one the format allows.
[[nodiscard]] bool epwHumidityValid(float relativeHumidity);
// The wet bulb at the given pressure (kPa); 999 when it cannot be computed.
// Sets psychro.Patm to the pressure. A run of hours passes a memo of the
// saturation pressures, which changes no result.
[[nodiscard]] float wetBulbOf(float dryBulb, float dewPoint, float relativeHumidity, float pressure,
                              Psychrometrics& psychro, SaturationMemo* memo = nullptr);
// Record k (RecIndex = k + 123) of an EPW hour.
[[nodiscard]] ClimateFileRecord convertEpwHour(const EpwHour& hour, int16_t k,
                                               Psychrometrics& psychro,
                                               SaturationMemo* memo = nullptr);

// Reads the LOCATION line (line 1): at least ten fields, of which the city,
// latitude, longitude, time zone and elevation are kept; fields after the tenth are ignored. Gives
// the violated rule or nothing.
[[nodiscard]] std::optional<std::string> parseEpwLocation(std::string_view line,
                                                          EpwStation& station);
// Reads data line `lineNumber`; gives the violated rule or nothing.
[[nodiscard]] std::optional<std::string> parseEpwDataLine(std::string_view line,
                                                          std::int64_t lineNumber, EpwHour& hour);

// The refusal box: "원본 파일이 EPW 형식의 파일이 아닙니다." and the bracketed rule.
[[nodiscard]] Message epwRefusal(std::string rule);

// The hours of a year whose dew point lay above the dry bulb.
struct EpwDewPointFaults {
  int16_t fromHumidity = 0;  // the humidity taken from the relative humidity
  int16_t missing = 0;       // no valid relative humidity: the wet bulb is missing
  bool operator==(const EpwDewPointFaults&) const = default;
};

struct EpwYear {
  EpwStation station;
  bool leapDayDropped = false;             // the source held 29 February
  EpwDewPointFaults dewPointAboveDryBulb;  // hours of the 8760 kept
  std::vector<ClimateFileRecord> records;  // 8760, record k at index k − 1
};

// True when the path ends in "epw" in any case (trailing blanks ignored).
[[nodiscard]] bool hasEpwExtension(std::string_view path);

// Reads only the LOCATION line of an EPW text: the station, or nothing when
// the first line is not a readable LOCATION line. Reports nothing.
[[nodiscard]] std::optional<EpwStation> ReadEpwStation(std::istream& in);

// Whether the wet bulbs of a year may be solved on a second core while its
// text is still being read. A caller that already keeps every core busy (a
// batch over many files) asks for one.
enum class EpwCores { One, Two };

// Reads an EPW text line by line. The first broken rule is reported to `sink`
// and gives nothing.
[[nodiscard]] std::optional<EpwYear> ImportEpw(std::istream& in, MessageSink& sink,
                                               const ConversionProgress& progress = {},
                                               EpwCores cores = EpwCores::Two);

// Receives record k (1 … 8760) of the year as soon as it is converted. On two
// cores the records come in no set order, two at a time from two threads; a
// handler must not throw.
using EpwRecordHandler = std::function<void(int16_t k, const ClimateFileRecord& record)>;

// ImportEpw, handing each record to `handle` instead of keeping it (the year
// given back holds no records), so that a conversion encodes the year straight
// into the bytes it writes. A refused text may have handed some records over.
// The hours read wait for their conversion in `memory`.
[[nodiscard]] std::optional<EpwYear> ImportEpwRecords(
    std::istream& in, MessageSink& sink, const EpwRecordHandler& handle,
    const ConversionProgress& progress = {}, EpwCores cores = EpwCores::Two,
    std::pmr::memory_resource* memory = std::pmr::get_default_resource());

}  // namespace vlm
