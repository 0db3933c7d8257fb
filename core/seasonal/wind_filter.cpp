#include "core/seasonal/wind_filter.h"

#include <charconv>

#include "core/analysis/zone.h"

namespace vlm {

std::vector<WindZone> WindZoneChoices() {
  std::vector<WindZone> zones{{WindZone::Kind::All, 0}};
  for (std::size_t i = 0; i < kNeedZones.size(); ++i) zones.push_back({WindZone::Kind::Need, i});
  for (std::size_t i = 0; i < kGuideZones.size(); ++i) zones.push_back({WindZone::Kind::Guide, i});
  return zones;
}

std::string WindZoneName(const WindZone& zone) {
  switch (zone.kind) {
    case WindZone::Kind::Need:
      return std::string(kNeedZones.at(zone.index).name);
    case WindZone::Kind::Guide:
      return std::string(kGuideZones.at(zone.index).shortName);
    case WindZone::Kind::All:
      break;
  }
  return "전체 시간";
}

std::optional<WindZone> WindZoneByKey(std::string_view key) {
  for (const WindZone& zone : WindZoneChoices()) {
    const std::string_view own = zone.kind == WindZone::Kind::All    ? "all"
                                 : zone.kind == WindZone::Kind::Need ? kNeedZones[zone.index].key
                                                                     : kGuideZones[zone.index].key;
    if (own == key) return zone;
  }
  return std::nullopt;
}

bool WindFilter::passes(int16_t month, int16_t hour, const HourRecord& h,
                        const PsychroChart& chart) const {
  if (month < 1 || month > 12 || !months[static_cast<std::size_t>(month - 1)]) return false;
  const bool inHours =
      fromHour <= toHour ? hour >= fromHour && hour <= toHour : hour >= fromHour || hour <= toHour;
  if (!inHours) return false;
  if (dryBulb && !(h.DBT != kMissing && h.DBT >= dryBulb->first && h.DBT <= dryBulb->second)) {
    return false;
  }
  if (zone.kind == WindZone::Kind::All) return true;
  const int16_t code = GetZone(h.DBT, h.WBT, h.AH, h.RH, h.SpecV, chart);
  if (zone.kind == WindZone::Kind::Need) return NeedZoneIndex(code) == static_cast<int>(zone.index);
  return GuideZoneCounts(zone.index, code);
}

std::optional<std::array<bool, 12>> ParseWindMonths(std::string_view list) {
  std::array<bool, 12> months{};
  const auto number = [](std::string_view s) -> std::optional<int> {
    int value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size() || value < 1 || value > 12) {
      return std::nullopt;
    }
    return value;
  };
  while (true) {
    const std::size_t comma = list.find(',');
    const std::string_view part = list.substr(0, comma);
    const std::size_t dash = part.find('-');
    const auto first = number(part.substr(0, dash));
    const auto last = dash == std::string_view::npos ? first : number(part.substr(dash + 1));
    if (!first || !last || *last < *first) return std::nullopt;
    for (int m = *first; m <= *last; ++m) months[static_cast<std::size_t>(m - 1)] = true;
    if (comma == std::string_view::npos) return months;
    list.remove_prefix(comma + 1);
  }
}

}  // namespace vlm
