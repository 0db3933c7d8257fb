// Heating and cooling degree-days from the hourly dry-bulb temperature: the
// degree-hours below the heating base and above the cooling base divided by
// 24, per month and for the year, with the hours that had no temperature.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/climate/climate_data.h"
#include "core/common/message.h"

namespace vlm {

inline constexpr float kDefaultHeatingBase = 18.0f;  // °C
inline constexpr float kDefaultCoolingBase = 24.0f;  // °C

// The bases a designer may choose (°C, inclusive). Neither range holds 0, so
// a box whose text does not begin with a number is refused, not read as 0 °C.
inline constexpr float kLowestHeatingBase = 5.0f;
inline constexpr float kHighestHeatingBase = 30.0f;
inline constexpr float kLowestCoolingBase = 10.0f;
inline constexpr float kHighestCoolingBase = 40.0f;

// Both sums are none when the span had no valid hour: 0 would read as a span
// that needed no heating or cooling.
struct DegreeDays {
  std::optional<float> hdd;  // °C·day below the heating base
  std::optional<float> cdd;  // °C·day above the cooling base
  int16_t missingHours = 0;  // hours whose dry-bulb is the marker, left out of both sums
  bool operator==(const DegreeDays&) const = default;
};

// Hours start … end (1 … 8760) of the year: the degree-hours of the valid
// hours ÷ 24. A missing hour adds nothing; the sums are not scaled up for it,
// and the count says how many there were.
[[nodiscard]] DegreeDays CountDegreeDays(const ClimateData& climate, int16_t start, int16_t end,
                                         float heatingBase, float coolingBase);

struct DegreeDayTable {
  float heatingBase = kDefaultHeatingBase;
  float coolingBase = kDefaultCoolingBase;
  std::array<DegreeDays, 12> months{};  // January … December
  DegreeDays year;                      // a pass of its own over the 8760 hours
  bool operator==(const DegreeDayTable&) const = default;
};

[[nodiscard]] DegreeDayTable DegreeDaysByMonth(const ClimateData& climate, float heatingBase,
                                               float coolingBase);

// The method as the tab states it under its table.
inline constexpr std::string_view kDegreeDayMethodText =
    "[참조] 도일(°C·일) = 유효한 시간의 도시간(°C·시) 합 ÷ 24, 결측 시간은 합에서 제외";

// The tab's warning line: a heating base above the cooling base is allowed,
// but the hours between the two then count as both heating and cooling; ""
// for bases in their usual order.
[[nodiscard]] std::string DegreeDayBaseWarning(float heatingBase, float coolingBase);

enum class DegreeDayBase { Heating, Cooling };

// The refusal of a base outside its range.
[[nodiscard]] Message DegreeDayBaseMessage(DegreeDayBase base);

// A base box read by the lenient number rule (its leading number, 0 when it
// has none) and checked against the base's range; outside it, the message
// and nullopt.
[[nodiscard]] std::optional<float> ReadDegreeDayBase(DegreeDayBase base, std::string_view text,
                                                     MessageSink& sink);

}  // namespace vlm
