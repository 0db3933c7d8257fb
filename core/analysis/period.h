// The analysis period of the bioclimatic chart tab: hourly, daily or monthly
// fields turned into the first and last hour of the year, with the refusals of
// a period that is blank, out of order or not in the calendar.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/common/message.h"

namespace vlm {

enum class PeriodMode { Hourly, Daily, Monthly };

// The texts of the period fields as typed, in screen order:
// hourly month1, day1, hour1, month2, day2, hour2; daily month1, day1, month2,
// day2; monthly month1, month2.
struct PeriodFields {
  std::array<std::string, 6> hourly{"1", "1", "0", "12", "31", "23"};
  std::array<std::string, 4> daily{"1", "1", "12", "31"};
  std::array<std::string, 2> monthly{"1", "12"};
};

// A field that is not a whole number the 16-bit fields can hold ("abc", "1.5e9").
class PeriodFieldError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The field's number: blanks around it allowed, a fraction rounded to the
// nearest integer (a half to the even one). Throws PeriodFieldError otherwise.
[[nodiscard]] int16_t PeriodFieldNumber(std::string_view text);

// The refusals, line by line.
[[nodiscard]] Message NoRegionPeriodMessage();
[[nodiscard]] Message BlankPeriodMessage(PeriodMode mode);
[[nodiscard]] Message PeriodOrderMessage();

// Sets start and end to the period's hours of the year and returns 1, or shows
// its refusal (or lets GetHourOfYear show its own) and returns −1; start and
// end may then hold the values of the failed attempt. A field that is not a
// number throws PeriodFieldError.
int16_t SetPeriod(std::string_view regionName, PeriodMode mode, const PeriodFields& fields,
                  int16_t& start, int16_t& end, MessageSink& sink);

}  // namespace vlm
