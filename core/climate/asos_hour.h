// One hour of the weather service's ASOS hourly data and its conversion to a
// .cly record. The file writes each observation in the unit of its column:
//   기온, 이슬점온도 °C; 습도 %; 현지기압 hPa; 풍속 m/s; 풍향 degrees of the 16
//   points rounded to tens (20, 50, … 340, 360; 0 = calm); 전운량 tenths;
//   일사 the hour's global horizontal irradiation, MJ/m² (empty at night).
// An empty field is a missing value. A value outside what any station can
// observe is taken as missing too:
//   temperatures −80 … 60 °C, humidity 0 … 100 %, pressure 500 … 1100 hPa,
//   wind speed 0 … 75 m/s, direction 0 … 360°, cloud 0 … 10 tenths,
//   irradiation 0 … 5 MJ/m² in an hour (above the extraterrestrial amount).
#pragma once

#include <cstdint>
#include <optional>

#include "core/climate/climate_record.h"
#include "core/psychro/psychrometrics.h"

namespace vlm {

struct AsosHour {
  std::optional<float> dryBulb, dewPoint, humidity, pressure;  // °C, °C, %, hPa
  std::optional<float> windSpeed, windDirection;               // m/s, degrees
  std::optional<float> cloud, radiation;                       // tenths, MJ/m²
};

// Tenths of cal/cm² per MJ/m²: 1 MJ/m² = 23.9006 cal/cm².
inline constexpr double kTenthsOfCalPerMegajoule = 239.006;

// The nearest of the 16 codes; 0 stays calm; missing or out of range → 999.
[[nodiscard]] int16_t asosWindDirCode(std::optional<float> degrees);
// Whole tenths of cal/cm²; missing or out of range → 9999.
[[nodiscard]] float asosRadiationTenths(std::optional<float> megajoules);

// Record k (RecIndex = k + 123) of an hour; the radiation as read (9999 when
// empty: the caller decides which empty night hours are 0). Sets psychro.Patm.
[[nodiscard]] ClimateFileRecord convertAsosHour(const AsosHour& hour, int16_t k,
                                                Psychrometrics& psychro);

// An absent hour: every field its marker.
[[nodiscard]] ClimateFileRecord absentAsosHour(int16_t k);

}  // namespace vlm
