// Which hours of the year a filtered wind rose counts: months, an hour-of-day
// range, a zone of the bioclimatic chart and a dry-bulb range, all of which an
// hour must pass. The zone is the chart's own classification (GetZone).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/climate/climate_record.h"

namespace vlm {

class PsychroChart;

// No zone, a need zone (index into kNeedZones) or a guideline (into kGuideZones).
struct WindZone {
  enum class Kind { All, Need, Guide };
  Kind kind = Kind::Guide;
  std::size_t index = 4;  // "Promote Ventilation"
  bool operator==(const WindZone&) const = default;
};

// The zone list of the tab, in its order: every hour, the five need zones,
// then the nine guidelines.
[[nodiscard]] std::vector<WindZone> WindZoneChoices();
// "전체 시간", a need zone's name or a guideline's short name.
[[nodiscard]] std::string WindZoneName(const WindZone& zone);
// "all" or a zone's check-box key ("TH", "PV", …); nullopt for any other name.
[[nodiscard]] std::optional<WindZone> WindZoneByKey(std::string_view key);

struct WindFilter {
  std::array<bool, 12> months{true, true, true, true, true, true,
                              true, true, true, true, true, true};
  // Hours of the day, inclusive; a range whose start is after its end runs
  // past midnight (22 … 5 is the night).
  int16_t fromHour = 0, toHour = 23;
  WindZone zone;
  // Dry-bulb range, °C inclusive; a range whose minimum is above its maximum
  // holds no hour. An hour without a dry bulb passes only when there is none.
  std::optional<std::pair<float, float>> dryBulb;

  // Whether an hour of `month` (1 … 12) at `hourOfDay` (0 … 23) with its
  // record is chosen.
  [[nodiscard]] bool passes(int16_t month, int16_t hourOfDay, const HourRecord& hour,
                            const PsychroChart& chart) const;
};

// "1-3,6" → months 1, 2, 3 and 6; nullopt unless every part is a month 1 … 12
// or a rising range of them.
[[nodiscard]] std::optional<std::array<bool, 12>> ParseWindMonths(std::string_view list);

}  // namespace vlm
