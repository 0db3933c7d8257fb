// The positions of the weather service's ASOS stations, by station number:
// where an ASOS year was observed. Every station keeps Korean Standard Time.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/climate/site.h"

namespace vlm {

struct AsosStation {
  std::int32_t number;
  std::string_view name;  // the station's Korean name, UTF-8
  double latitude, longitude;
};

inline constexpr std::size_t kAsosStationCount = 110;
// Sorted by number (asos_station_table.cpp, generated).
extern const std::array<AsosStation, kAsosStationCount> kAsosStations;

// UTC+9, standard meridian 135° E.
inline constexpr double kKoreanStandardTime = 9;

// The station's site, named by its Korean name; nothing for a number not in the list.
[[nodiscard]] std::optional<Site> asosStationSite(std::int32_t number);

}  // namespace vlm
