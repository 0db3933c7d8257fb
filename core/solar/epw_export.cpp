#include "core/solar/epw_export.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "core/climate/date_time.h"
#include "core/climate/epw_import.h"
#include "core/climate/field_number.h"
#include "core/common/atomic_file.h"
#include "core/common/compute_error.h"
#include "core/psychro/psychrometrics.h"
#include "core/solar/epw_texts.h"
#include "core/solar/hour_sun.h"
#include "core/solar/radiation_split.h"

namespace vlm {
namespace {

constexpr const char* kEol = "\r\n";
constexpr double kWattHour = 3600.0;  // J

// The standard atmosphere of Psychrometrics::SetPatm_Alt.
constexpr double kSeaLevelPressure = 101.325;  // kPa
constexpr double kLapseFactor = 2.2558e-5;     // 1/m
constexpr double kPressureExponent = 5.256;

// A wet bulb read back within this of the stored one needs no more decimals
// of the dew point.
constexpr double kWetBulbMatch = 0.01;  // K
constexpr int kMostDewPointDecimals = 4;

// The fields Velmora does not hold, as the format marks them missing:
// horizontal infrared (13) before the global horizontal, the three
// illuminances and the zenith luminance (17–20) after the diffuse, and
// opaque sky cover … liquid precipitation quantity (24–35) after the sky cover.
constexpr const char* kMissingInfrared = "9999";
constexpr const char* kMissingLight = "999999,999999,999999,9999";
constexpr const char* kMissingRest = "99,9999,99999,9,999999999,999,0.999,999,99,999,999,99";
// Source and uncertainty unknown for each of the 25 flagged fields.
constexpr const char* kUnknownFlags = "?9?9?9?9?9?9?9?9?9?9?9?9?9?9?9?9?9?9?9?9?9?9?9?9?9";

std::string fixed(double value, int decimals) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  return buffer;
}

// The shortest plain decimal that reads back as the same float, with at
// least one decimal as the format writes its real fields.
std::string exactText(float value) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  std::string text(buffer, result.ptr);
  return text.find('.') == std::string::npos ? text + ".0" : text;
}

std::string exactText(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

float readBack(const std::string& text) {
  float value = 0;
  (void)parseSingleField(text, value);
  return value;
}

// A header field holds no comma, quote or line break of a name or path.
std::string fieldText(std::string text) {
  for (char& c : text)
    if (c == ',' || c == '"' || c == '\r' || c == '\n') c = ' ';
  return text;
}

// The temperature whose saturation pressure is `vapour` (kPa), by bisection on
// the saturation function the import reads the dew point with, from the
// fitted inverse: the written dew point then gives the same humidity back.
float dewPointOf(float vapour, const Psychrometrics& psychro) {
  const float estimate = psychro.GetDPT_VP(vapour);
  double low = estimate - 2.0, high = estimate + 2.0;
  for (int i = 0; i < 40; ++i) {
    const double middle = (low + high) / 2;
    (psychro.GetPsat_DBT(static_cast<float>(middle)) < vapour ? low : high) = middle;
  }
  return static_cast<float>((low + high) / 2);
}

double meanPressure(std::span<const ClimateFileRecord> records) {
  double sum = 0;
  int count = 0;
  for (const ClimateFileRecord& r : records) {
    if (r.Pressure == kMissingPressure) continue;
    sum += r.Pressure;
    ++count;
  }
  return count > 0 ? sum / count : kSeaLevelPressure;
}

std::string locationLine(const Site& site, const EpwSource& source,
                         std::span<const ClimateFileRecord> records) {
  const double elevation =
      source.elevation ? *source.elevation : elevationOfPressure(meanPressure(records));
  return "LOCATION," + fieldText(site.name) + ",,," + std::string(kEpwDataSource) + ",," +
         exactText(site.latitude) + ',' + exactText(site.longitude) + ',' +
         exactText(site.utcOffset) + ',' + fixed(elevation, 1);
}

int16_t yearOf(const EpwSource& source, std::size_t monthIndex) {
  const int16_t year = source.years[monthIndex];
  return year != 0 ? year : kEpwReferenceYear;
}

std::string header(std::span<const ClimateFileRecord> records, const Site& site,
                   const EpwSource& source) {
  std::string text = locationLine(site, source, records) + kEol;
  text += std::string("DESIGN CONDITIONS,0") + kEol;
  text += std::string("TYPICAL/EXTREME PERIODS,0") + kEol;
  text += std::string("GROUND TEMPERATURES,0") + kEol;
  text += std::string("HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0") + kEol;
  text += "COMMENTS 1," + std::string(kEpwCommentLead) + fieldText(source.description) + kEol;
  text += "COMMENTS 2," + epwMethodComment(site.radiationLag, !source.elevation) + kEol;
  text += "DATA PERIODS,1,1,Data," + std::string(weekdayOfNewYear(yearOf(source, 0))) +
          ",1/ 1,12/31" + kEol;
  return text;
}

std::string whole(double value) { return fixed(std::round(value), 0); }

// Fields 11 … 16: extraterrestrial horizontal and direct normal, infrared,
// global horizontal, direct normal and diffuse horizontal.
std::string radiationFields(int16_t hourOfYear, float radiation, const Site& site) {
  const HourSun sun = SunOfHour(hourOfYear, site.latitude, site.longitude, site.utcOffset,
                                site.radiationLag);
  std::string text = whole(sun.extraterrestrial / kWattHour) + ',' +
                     whole(ExtraterrestrialNormal(sun.dayOfYear) * sun.upHours) + ',' +
                     kMissingInfrared + ',';
  const HourSplit split = SplitHour(radiation, sun);
  if (split.kind == HourSplitKind::Missing) return text + "9999,9999,9999";
  return text + whole(split.global / kWattHour) + ',' + whole(split.beamNormal / kWattHour) +
         ',' + whole(split.diffuse / kWattHour);
}

// The humidity fields of one hour, from the stored dry bulb, wet bulb and
// pressure; missing when any of them is.
struct EpwHumidityText {
  std::string dewPoint;          // °C
  std::string relativeHumidity;  // %
};

EpwHumidityText epwHumidityText(const ClimateFileRecord& hour, Psychrometrics& psychro) {
  const EpwHumidityText missing{"99.9", "999"};
  if (hour.DBT == kMissing || hour.WBT == kMissing || hour.Pressure == kMissingPressure)
    return missing;
  try {
    psychro.Patm = hour.Pressure;
    const float ratio = psychro.GetAH_DBTWBT(hour.DBT, hour.WBT);
    if (!(ratio > 0.0f)) return missing;
    const float vapour = psychro.GetVP_AH(ratio);
    const float dewPoint = dewPointOf(vapour, psychro);
    const float humidity = psychro.GetRH_DBTAH(hour.DBT, ratio);
    EpwHumidityText text{"", epwHumidityValid(humidity) ? whole(humidity) : "999"};
    const float writtenHumidity = readBack(text.relativeHumidity);
    // The fewest decimals that give the wet bulb back as the import computes it.
    double closest = HUGE_VAL;
    for (int decimals = 1; decimals <= kMostDewPointDecimals; ++decimals) {
      const std::string candidate = fixed(dewPoint, decimals);
      const float wetBulb =
          wetBulbOf(hour.DBT, readBack(candidate), writtenHumidity, hour.Pressure, psychro);
      const double error = std::fabs(static_cast<double>(wetBulb) - hour.WBT);
      if (error < closest) {
        closest = error;
        text.dewPoint = candidate;
      }
      if (error <= kWetBulbMatch) break;
    }
    return text;
  } catch (const ComputeError&) {
    return missing;
  }
}

std::string dataLine(int16_t k, const ClimateFileRecord& r, const Site& site,
                     const EpwSource& source, Psychrometrics& psychro) {
  const auto index = static_cast<int16_t>(k - 1);
  const auto month = static_cast<int16_t>(
      std::upper_bound(kHoursBeforeMonth.begin(), kHoursBeforeMonth.end(), index) -
      kHoursBeforeMonth.begin());
  const int16_t ofMonth = index - kHoursBeforeMonth[static_cast<std::size_t>(month - 1)];
  const EpwHumidityText humidity = epwHumidityText(r, psychro);
  std::string line = std::to_string(yearOf(source, static_cast<std::size_t>(month - 1))) + ',' +
                     std::to_string(month) + ',' + std::to_string(ofMonth / 24 + 1) + ',' +
                     std::to_string(ofMonth % 24 + 1) + ",0," + kUnknownFlags + ',';
  line += (r.DBT == kMissing ? std::string("99.9") : exactText(r.DBT)) + ',';
  line += humidity.dewPoint + ',' + humidity.relativeHumidity + ',';
  line += epwPressureText(r.Pressure) + ',';
  line += radiationFields(k, r.Radiation, site) + ',' + kMissingLight + ',';
  // A direction or sky cover that no observation can have (a source's code
  // copied as it was) is missing in a format that bounds them.
  const bool direction = r.WindDir >= 0 && r.WindDir <= 360;
  const bool cover = r.Cloud >= 0 && r.Cloud <= 10;
  line += (direction ? std::to_string(r.WindDir) : std::string("999")) + ',';
  line += (r.WindSpeed == kMissing ? std::string("999") : exactText(r.WindSpeed)) + ',';
  line += (cover ? std::to_string(r.Cloud) : std::string("99")) + ',' + kMissingRest;
  return line;
}

}  // namespace

double elevationOfPressure(double kilopascals) {
  return (1.0 - std::pow(kilopascals / kSeaLevelPressure, 1.0 / kPressureExponent)) /
         kLapseFactor;
}

const char* weekdayOfNewYear(int year) {
  static constexpr const char* kNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                           "Thursday", "Friday", "Saturday"};
  // Days from a Sunday 1 January (year 1 of the proleptic Gregorian calendar
  // began on a Monday).
  const int y = year - 1;
  const int days = 1 + y + y / 4 - y / 100 + y / 400;
  return kNames[days % 7];
}

std::string epwPressureText(float kilopascals) {
  if (kilopascals == kMissingPressure) return "999999";
  const double pascals = static_cast<double>(kilopascals) * 1000.0;
  // As the import reads it: Pa as a float, divided by 1000 in double.
  const auto readsBack = [kilopascals](const std::string& text) {
    return static_cast<float>(static_cast<double>(readBack(text)) / 1000.0) == kilopascals;
  };
  for (int decimals = 0; decimals <= 3; ++decimals) {
    std::string text = fixed(pascals, decimals);
    if (readsBack(text)) return text;
  }
  return exactText(static_cast<float>(pascals));
}

std::string EpwText(std::span<const ClimateFileRecord> records, const Site& site,
                    const EpwSource& source, const ConversionProgress& progress) {
  Psychrometrics psychro;
  std::string text = header(records, site, source);
  text.reserve(text.size() + static_cast<std::size_t>(kHoursPerYear) * 200);
  const std::size_t hours = std::min(records.size(), static_cast<std::size_t>(kHoursPerYear));
  for (std::size_t i = 0; i < hours; ++i) {
    const auto k = static_cast<int16_t>(i + 1);
    text += dataLine(k, records[i], site, source, psychro);
    text += kEol;
    progress.hourDone(k);
  }
  return text;
}

void WriteEpwFile(const std::string& path, std::span<const ClimateFileRecord> records,
                  const Site& site, const EpwSource& source, const ConversionProgress& progress) {
  writeFileAtomically(path, EpwText(records, site, source, progress));
}

}  // namespace vlm
