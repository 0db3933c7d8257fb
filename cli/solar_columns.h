// The --solar columns of the hourly listing: each hour's apparent solar time
// and sun at the middle of its interval, and its global horizontal, beam
// normal and diffuse horizontal irradiance as means over the hour (W/m²).
#pragma once

#include <string>

#include "core/solar/radiation_year.h"

namespace vlm::cli {

inline constexpr const char* kSolarColumnsHeader = ",solarTime,altitude,azimuth,ghi,dni,dhi";

// ",solarTime,altitude,azimuth,ghi,dni,dhi" of hour 1 … 8760 with radiation
// field `radiation`: all empty at night, the three irradiances empty where
// radiation is missing.
[[nodiscard]] std::string solarColumns(int hourOfYear, float radiation, const SolarSite& site);

}  // namespace vlm::cli
