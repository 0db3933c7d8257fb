#include "core/analysis/period.h"

#include <algorithm>

#include "core/climate/date_time.h"
#include "core/climate/field_number.h"

namespace vlm {
namespace {

constexpr const char* kPeriodHead =
    "건물생체기후도상에 기후데이터 표시, 혹은 분석 결과 및 기후설계 지침별 순위 Tab";
constexpr const char* kPeriodRemedy = "[대상기간을 정확히 입력한 후 다시 시도하시기 바랍니다.]";

Message invalidPeriod(const char* reason) {
  return errorMessage(
      {kPeriodHead, "내용 표시를 위한 대상기간이 유효하지 않습니다.", "", reason, kPeriodRemedy});
}

template <std::size_t N>
bool anyBlank(const std::array<std::string, N>& fields) {
  return std::any_of(fields.begin(), fields.end(), [](const std::string& f) { return f.empty(); });
}

// The last day of a month of the climate year; 0 for a month that does not
// exist, which the calendar then refuses.
int16_t lastDay(int16_t month) {
  if (month < 1 || month > 12) return 0;
  return kDaysInMonth[static_cast<std::size_t>(month - 1)];
}

struct Moment {
  int16_t month, day, hour;
};

}  // namespace

int16_t PeriodFieldNumber(std::string_view text) {
  int16_t value = 0;
  switch (parseInt16Field(text, value)) {
    case FieldFault::None:
      return value;
    case FieldFault::OutOfRange:
      throw PeriodFieldError("오버플로: 대상기간의 값 \"" + std::string(text) +
                             "\"이(가) 너무 큽니다.");
    case FieldFault::NotANumber:
      break;
  }
  throw PeriodFieldError("형식이 일치하지 않습니다: 대상기간의 값 \"" + std::string(text) +
                         "\"은(는) 숫자가 아닙니다.");
}

Message NoRegionPeriodMessage() {
  return errorMessage(
      {kPeriodHead, "내용 표시를 위한 대상지역이 선택되지 않았습니다.", "",
       "[지역선택 메뉴에서 대상지역을 선택한 후 지역선택 확인 버튼을 클릭하세요.]"});
}

Message BlankPeriodMessage(PeriodMode mode) {
  switch (mode) {
    case PeriodMode::Daily:
      return invalidPeriod("일별 대상기간에 공란이 있습니다.");
    case PeriodMode::Monthly:
      return invalidPeriod("월별 대상기간에 공란이 있습니다.");
    case PeriodMode::Hourly:
      break;
  }
  return invalidPeriod("시간별 대상기간에 공란이 있습니다.");
}

Message PeriodOrderMessage() { return invalidPeriod("시작 시간이 끝 시간보다 늦습니다."); }

int16_t SetPeriod(std::string_view regionName, PeriodMode mode, const PeriodFields& fields,
                  int16_t& start, int16_t& end, MessageSink& sink) {
  if (regionName.empty()) {
    sink.show(NoRegionPeriodMessage());
    return -1;
  }
  const bool blank = mode == PeriodMode::Hourly  ? anyBlank(fields.hourly)
                     : mode == PeriodMode::Daily ? anyBlank(fields.daily)
                                                 : anyBlank(fields.monthly);
  if (blank) {
    sink.show(BlankPeriodMessage(mode));
    return -1;
  }

  Moment first{};
  Moment last{};
  if (mode == PeriodMode::Hourly) {
    const auto& f = fields.hourly;
    first = {PeriodFieldNumber(f[0]), PeriodFieldNumber(f[1]), PeriodFieldNumber(f[2])};
    last = {PeriodFieldNumber(f[3]), PeriodFieldNumber(f[4]), PeriodFieldNumber(f[5])};
  } else if (mode == PeriodMode::Daily) {
    const auto& f = fields.daily;
    first = {PeriodFieldNumber(f[0]), PeriodFieldNumber(f[1]), 0};
    last = {PeriodFieldNumber(f[2]), PeriodFieldNumber(f[3]), 23};
  } else {
    const int16_t month1 = PeriodFieldNumber(fields.monthly[0]);
    const int16_t month2 = PeriodFieldNumber(fields.monthly[1]);
    first = {month1, 1, 0};
    last = {month2, lastDay(month2), 23};
  }

  start = GetHourOfYear(first.month, first.day, first.hour, sink);
  end = GetHourOfYear(last.month, last.day, last.hour, sink);
  if (start == -1 || end == -1) return -1;
  if (end < start) {
    sink.show(PeriodOrderMessage());
    return -1;
  }
  return 1;
}

}  // namespace vlm
