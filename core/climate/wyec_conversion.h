// The WYEC/TRY 80-column hour line and its conversion into a .cly record:
//
//   columns  6–8   dry bulb, °F           → DBT (°C)       "999" stays 999
//   columns  9–11  wet bulb, °F           → WBT (°C)       "999" stays 999
//   columns 15–17  wind direction, °      → WindDir        copied
//   columns 18–20  wind speed, knots      → WindSpeed m/s  "999" stays 999
//   columns 21–24  station pressure, 0.01 inHg → Pressure kPa  "9999" stays 9999
//   columns 26–27  total cloud, tenths    → Cloud          copied
//   columns 56–59  global radiation, 0.1 cal/cm² → Radiation  copied
//
// The marker test is made on the value read, before any unit conversion.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string_view>
#include <vector>

#include "core/climate/climate_record.h"
#include "core/climate/conversion_progress.h"
#include "core/climate/field_number.h"
#include "core/common/message.h"

namespace vlm {

// The field of a line that did not convert to a number.
struct WeatherFieldFault {
  int16_t firstColumn = 0;
  int16_t lastColumn = 0;
  std::string_view name;  // the quantity in Korean, e.g. "건구온도"
  FieldFault fault = FieldFault::NotANumber;
  bool operator==(const WeatherFieldFault&) const = default;
};

struct WeatherLineConversion {
  ClimateFileRecord record;
  std::optional<WeatherFieldFault> fault;  // set when a field failed; record is then incomplete
};

// Converts one line of 80 columns into record k (RecIndex = k + 123).
[[nodiscard]] WeatherLineConversion convertWeatherLine(std::string_view line, int16_t k);

// The box for a field of line `lineNumber` that does not convert.
[[nodiscard]] Message weatherFieldFaultMessage(std::int64_t lineNumber,
                                               const WeatherFieldFault& fault);

// Checks and converts a whole WYEC/TRY text in one pass, reading line by line.
// The structural rules of CheckWeatherText keep their order and priority: a
// file that breaks one of them gets that refusal even when an earlier line
// also holds a field that does not convert. Otherwise the first such field is
// reported with its line. Every refusal goes to `sink` and gives nothing.
[[nodiscard]] std::optional<std::vector<ClimateFileRecord>> convertWeatherText(
    std::istream& in, MessageSink& sink, const ConversionProgress& progress = {});

}  // namespace vlm
