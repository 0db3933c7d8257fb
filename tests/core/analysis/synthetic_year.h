// A deterministic climate year for the analysis tests: a seasonal and a daily
// swing of dry-bulb temperature with a humid summer, the derived humidities
// computed at standard pressure as the region page would at sea level.
#pragma once

#include <cmath>
#include <memory>
#include <numbers>
#include <string>

#include "core/climate/climate_data.h"
#include "core/psychro/psychrometrics.h"

namespace vlm::test {

// Recomputes the derived fields of hour h from its dry-bulb and wet-bulb.
inline void SetHour(ClimateData& climate, int h, float dbt, float wbt) {
  Psychrometrics psychro;
  psychro.SetPatm_Alt(0.0f);
  HourRecord& r = climate.year[static_cast<std::size_t>(h)];
  r.DBT = dbt;
  r.WBT = wbt;
  if (dbt == kMissing || wbt == kMissing) {
    r.AH = r.VP = r.RH = r.SpecV = kMissing;
    return;
  }
  r.AH = psychro.GetAH_DBTWBT(dbt, wbt);
  r.VP = psychro.GetVP_AH(r.AH);
  r.RH = psychro.GetRH_DBTAH(dbt, r.AH);
  r.SpecV = psychro.GetSV_DBTAH(dbt, r.AH);
}

// Every hour valid: −8 °C nights in January to 33 °C afternoons in August.
inline std::unique_ptr<ClimateData> SyntheticYear(std::string region = "서울") {
  auto climate = std::make_unique<ClimateData>();
  climate->RegionName = std::move(region);
  climate->ClimateFilePath = "/opt/velmora/weather/seoul.cly";
  for (int h = 1; h <= kHoursPerYear; ++h) {
    const double day = (h - 1) / 24;
    const double hourOfDay = (h - 1) % 24;
    const double season = -std::cos(2.0 * std::numbers::pi * (day - 20.0) / 365.0);
    const double daily = -std::cos(2.0 * std::numbers::pi * (hourOfDay - 3.0) / 24.0);
    const auto dbt = static_cast<float>(std::round((12.5 + 15.0 * season + 4.5 * daily) * 10) / 10);
    const auto depression = static_cast<float>(std::round((3.5 - 1.5 * season + daily) * 10) / 10);
    SetHour(*climate, h, dbt, dbt - depression);
    HourRecord& r = climate->year[static_cast<std::size_t>(h)];
    r.RecIndex = static_cast<int16_t>(h + 123);
    r.Pressure = 101.3f;
    r.WindDir = static_cast<int16_t>(std::lround(22.5 * (h % 16 + 1)));  // 23, 45, 68 … 360
    r.WindSpeed = static_cast<float>(h % 7) * 0.5f;
    r.Cloud = static_cast<int16_t>(h % 11);
    r.Radiation = hourOfDay >= 7 && hourOfDay <= 17 ? static_cast<float>(100 + h % 400) : 0.0f;
  }
  return climate;
}

}  // namespace vlm::test
