#include "core/climate/date_time.h"

#include <string>

namespace vlm {
namespace {

constexpr int16_t kInvalid = -1;
constexpr int16_t kLastHour = 8760;
constexpr const char* kHourOfYearRule = "[1 <= 1년중 시간수 <= 8760 위반]";

int16_t refuse(MessageSink& sink, std::string what, std::string rule) {
  sink.show(errorMessage({std::move(what), std::move(rule)}));
  return kInvalid;
}

bool outsideYear(int16_t hourOfYear) { return hourOfYear < 1 || hourOfYear > kLastHour; }

// Month 1 … 12 of an hour already known to lie in 1 … 8760.
int16_t monthOf(int16_t hourOfYear) {
  int16_t month = 12;
  while (hourOfYear <= kHoursBeforeMonth[static_cast<std::size_t>(month - 1)]) --month;
  return month;
}

// Position 1 … 744 of the hour inside its month.
int16_t hourOfMonth(int16_t hourOfYear) {
  return static_cast<int16_t>(hourOfYear -
                              kHoursBeforeMonth[static_cast<std::size_t>(monthOf(hourOfYear) - 1)]);
}

}  // namespace

int16_t GetHourOfYear(int16_t month, int16_t day, int16_t hour, MessageSink& sink) {
  if (month < 1 || month > 12)
    return refuse(sink, "월이 유효하지 않습니다.", "[1 <= 월 <= 12 위반]");
  if (day < 1 || day > 31) return refuse(sink, "일이 유효하지 않습니다.", "[1 <= 일 <= 31 위반]");
  if (hour < 0 || hour > 23) return refuse(sink, "시가 유효하지 않습니다.", "[0 <= 시 <= 23 위반]");
  // The short months, in calendar order; February has no 29th in the climate year.
  const int16_t days = kDaysInMonth[static_cast<std::size_t>(month - 1)];
  if (day > days) {
    return refuse(
        sink, "일이 유효하지 않습니다.",
        "[" + std::to_string(month) + "월, 1 <= 일 <= " + std::to_string(days) + " 위반]");
  }
  return static_cast<int16_t>(kHoursBeforeMonth[static_cast<std::size_t>(month - 1)] +
                              (day - 1) * 24 + hour + 1);
}

int16_t GetMonth(int16_t hourOfYear, MessageSink& sink) {
  if (outsideYear(hourOfYear))
    return refuse(sink, "월로 변환하기 위한 1년중 시간수가 유효하지 않습니다.", kHourOfYearRule);
  return monthOf(hourOfYear);
}

int16_t GetDay(int16_t hourOfYear, MessageSink& sink) {
  if (outsideYear(hourOfYear))
    return refuse(sink, "일로 변환하기 위한 1년중 시간수가 유효하지 않습니다.", kHourOfYearRule);
  return static_cast<int16_t>((hourOfMonth(hourOfYear) - 1) / 24 + 1);
}

int16_t GetHour(int16_t hourOfYear, MessageSink& sink) {
  if (outsideYear(hourOfYear))
    return refuse(sink, "시로 변환하기 위한 1년중 시간수가 유효하지 않습니다.", kHourOfYearRule);
  return static_cast<int16_t>((hourOfMonth(hourOfYear) - 1) % 24);
}

}  // namespace vlm
