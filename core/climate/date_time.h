// Calendar of the climate year: one fixed non-leap year of 365 days × 24 hours,
// hour of the year 1 = 1 January 0 h … 8760 = 31 December 23 h.
//
// Each conversion checks its input, reports a violation as one "에러" box
// (first line: what is not valid; second line: the violated rule in square
// brackets) to the sink, and returns −1 so that the caller stops its command.
#pragma once

#include <array>
#include <cstdint>

#include "core/common/message.h"

namespace vlm {

// Hours of the year before the first hour of each month (index 0 = January).
inline constexpr std::array<int16_t, 12> kHoursBeforeMonth = {0,    744,  1416, 2160, 2880, 3624,
                                                              4344, 5088, 5832, 6552, 7296, 8016};
// Days of each month (index 0 = January); February never has 29.
inline constexpr std::array<int16_t, 12> kDaysInMonth = {31, 28, 31, 30, 31, 30,
                                                         31, 31, 30, 31, 30, 31};

// Hours of month 1 … 12 (744, 672, …); no check.
[[nodiscard]] constexpr int16_t hoursInMonth(int16_t month) {
  return static_cast<int16_t>(kDaysInMonth[static_cast<std::size_t>(month - 1)] * 24);
}
// First and last hour of the year of month 1 … 12; no check.
[[nodiscard]] constexpr int16_t firstHourOfMonth(int16_t month) {
  return static_cast<int16_t>(kHoursBeforeMonth[static_cast<std::size_t>(month - 1)] + 1);
}
[[nodiscard]] constexpr int16_t lastHourOfMonth(int16_t month) {
  return static_cast<int16_t>(kHoursBeforeMonth[static_cast<std::size_t>(month - 1)] +
                              hoursInMonth(month));
}

// Hour of the year of (month, day of month, hour of day 0 … 23), or −1.
[[nodiscard]] int16_t GetHourOfYear(int16_t month, int16_t day, int16_t hour, MessageSink& sink);
// Month 1 … 12 of an hour of the year, or −1.
[[nodiscard]] int16_t GetMonth(int16_t hourOfYear, MessageSink& sink);
// Day of the month 1 … 31 of an hour of the year, or −1.
[[nodiscard]] int16_t GetDay(int16_t hourOfYear, MessageSink& sink);
// Hour of the day 0 … 23 of an hour of the year, or −1.
[[nodiscard]] int16_t GetHour(int16_t hourOfYear, MessageSink& sink);

}  // namespace vlm
