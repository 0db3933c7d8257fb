#include "core/seasonal/degree_days.h"

#include <algorithm>

#include "core/climate/date_time.h"
#include "core/common/number_parse.h"

namespace vlm {

DegreeDays CountDegreeDays(const ClimateData& climate, int16_t start, int16_t end,
                           float heatingBase, float coolingBase) {
  double below = 0.0;
  double above = 0.0;
  int missing = 0;
  const int first = std::max<int>(start, 1);
  const int last = std::min<int>(end, kHoursPerYear);
  for (int h = first; h <= last; ++h) {
    const float dbt = climate.year[static_cast<std::size_t>(h)].DBT;
    if (dbt == kMissing) {
      ++missing;
      continue;
    }
    below += std::max(0.0, static_cast<double>(heatingBase) - dbt);
    above += std::max(0.0, static_cast<double>(dbt) - coolingBase);
  }
  if (missing == last - first + 1) return {std::nullopt, std::nullopt, static_cast<int16_t>(missing)};
  return {static_cast<float>(below / 24.0), static_cast<float>(above / 24.0),
          static_cast<int16_t>(missing)};
}

DegreeDayTable DegreeDaysByMonth(const ClimateData& climate, float heatingBase, float coolingBase) {
  DegreeDayTable table{heatingBase, coolingBase, {}, {}};
  for (int16_t month = 1; month <= 12; ++month) {
    table.months[static_cast<std::size_t>(month - 1)] = CountDegreeDays(
        climate, firstHourOfMonth(month), lastHourOfMonth(month), heatingBase, coolingBase);
  }
  table.year =
      CountDegreeDays(climate, 1, static_cast<int16_t>(kHoursPerYear), heatingBase, coolingBase);
  return table;
}

std::string DegreeDayBaseWarning(float heatingBase, float coolingBase) {
  if (heatingBase <= coolingBase) return {};
  return "난방 기준온도가 냉방 기준온도보다 높습니다. 두 기준온도 사이의 시간은 난방도일과 "
         "냉방도일에 함께 더해집니다.";
}

Message DegreeDayBaseMessage(DegreeDayBase base) {
  if (base == DegreeDayBase::Heating) {
    return errorMessage(
        {"난방도일의 기준온도 입력이 유효하지 않습니다.", "", "[5°C <= 난방 기준온도 <= 30°C]"});
  }
  return errorMessage(
      {"냉방도일의 기준온도 입력이 유효하지 않습니다.", "", "[10°C <= 냉방 기준온도 <= 40°C]"});
}

std::optional<float> ReadDegreeDayBase(DegreeDayBase base, std::string_view text,
                                       MessageSink& sink) {
  const bool heating = base == DegreeDayBase::Heating;
  const double low = heating ? kLowestHeatingBase : kLowestCoolingBase;
  const double high = heating ? kHighestHeatingBase : kHighestCoolingBase;
  const double value = LeadingNumber(text);
  // Written so that a not-a-number text ("nan") is refused too.
  if (!(value >= low && value <= high)) {
    sink.show(DegreeDayBaseMessage(base));
    return std::nullopt;
  }
  return static_cast<float>(value);
}

}  // namespace vlm
