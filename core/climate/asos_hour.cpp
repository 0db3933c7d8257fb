#include "core/climate/asos_hour.h"

#include <cmath>

#include "core/climate/epw_import.h"

namespace vlm {
namespace {

// The value when present and within [low, high], else nothing.
std::optional<float> within(std::optional<float> value, float low, float high) {
  if (value && *value >= low && *value <= high) return value;
  return std::nullopt;
}

constexpr float kLowestTemperature = -80.0f, kHighestTemperature = 60.0f;
constexpr float kLowestPressure = 500.0f, kHighestPressure = 1100.0f;  // hPa
constexpr float kHighestWindSpeed = 75.0f;
constexpr float kHighestIrradiation = 5.0f;  // MJ/m² in one hour
constexpr double kKilopascalsPerHectopascal = 0.1;

}  // namespace

int16_t asosWindDirCode(std::optional<float> degrees) {
  const auto direction = within(degrees, 0.0f, 360.0f);
  if (!direction) return kMissingWindDir;
  if (*direction == 0.0f) return kCalm;
  return windDirCodeOf(*direction, 1.0f);
}

float asosRadiationTenths(std::optional<float> megajoules) {
  const auto value = within(megajoules, 0.0f, kHighestIrradiation);
  if (!value) return kMissingRadiation;
  return static_cast<float>(std::round(static_cast<double>(*value) * kTenthsOfCalPerMegajoule));
}

ClimateFileRecord convertAsosHour(const AsosHour& hour, int16_t k, Psychrometrics& psychro) {
  ClimateFileRecord r;
  r.RecIndex = static_cast<int16_t>(k + kRecIndexOffset);
  const auto dryBulb = within(hour.dryBulb, kLowestTemperature, kHighestTemperature);
  const auto dewPoint = within(hour.dewPoint, kLowestTemperature, kHighestTemperature);
  const auto humidity = within(hour.humidity, 0.0f, 100.0f);
  const auto pressure = within(hour.pressure, kLowestPressure, kHighestPressure);
  const auto speed = within(hour.windSpeed, 0.0f, kHighestWindSpeed);
  const auto cloud = within(hour.cloud, 0.0f, 10.0f);
  r.DBT = dryBulb.value_or(kMissing);
  r.Pressure =
      pressure ? static_cast<float>(*pressure * kKilopascalsPerHectopascal) : kMissingPressure;
  // The EPW import's solve, fed with its own missing values for what is absent.
  r.WBT = wetBulbOf(r.DBT, dewPoint.value_or(kEpwMissingTemperature),
                    humidity.value_or(kEpwMissingHumidity), r.Pressure, psychro);
  r.WindDir = asosWindDirCode(hour.windDirection);
  r.WindSpeed = speed.value_or(kMissing);
  r.Cloud = cloud ? static_cast<int16_t>(std::lround(*cloud)) : kMissingCloud;
  r.Radiation = asosRadiationTenths(hour.radiation);
  return r;
}

ClimateFileRecord absentAsosHour(int16_t k) {
  ClimateFileRecord r;
  r.RecIndex = static_cast<int16_t>(k + kRecIndexOffset);
  r.DBT = r.WBT = r.WindSpeed = kMissing;
  r.Pressure = kMissingPressure;
  r.WindDir = kMissingWindDir;
  r.Cloud = kMissingCloud;
  r.Radiation = kMissingRadiation;
  return r;
}

}  // namespace vlm
