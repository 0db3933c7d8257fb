// The year's irradiation on planes facing 36 directions (every 10°, −170 … 180)
// at one tilt and on the horizontal, for the whole year, for the hours that
// want the sun (the zone codes of "Promote Solar Gain") and for those that do
// not ("Restrict Solar Gain"), and per month, in kWh/m².
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "core/climate/climate_data.h"
#include "core/common/message.h"
#include "core/solar/hour_sun.h"
#include "core/solar/plane_irradiation.h"

namespace vlm {

class PsychroChart;

inline constexpr int kRadiationOrientations = 36;
inline constexpr double kDefaultTilt = 90.0;

// Azimuth of orientation i (0 … 35): −170 + 10·i.
[[nodiscard]] constexpr int OrientationAzimuth(int i) { return -170 + 10 * i; }
// The orientation facing azimuth (a multiple of 10 in −180 … 180; −180 is 180).
[[nodiscard]] constexpr int OrientationIndex(int azimuth) {
  return azimuth == -180 ? kRadiationOrientations - 1 : (azimuth + 170) / 10;
}

struct RadiationOptions {
  SkyModel model = SkyModel::Perez;
  double tilt = kDefaultTilt;
  double albedo = kDefaultAlbedo;
};

// Whether an hour's zone wants the sun.
enum class SunWish : int8_t { Neither, Wanted, Unwanted };

struct RadiationTotals {
  float year = 0, wanted = 0, unwanted = 0;  // kWh/m²
  std::array<float, 12> months{};            // months[0] January
  bool operator==(const RadiationTotals&) const = default;
};

struct RadiationHourCounts {
  int used = 0;                  // hours with radiation
  int missingRadiation = 0;      // hours left out
  int sunDownWithRadiation = 0;  // taken as diffuse
  int beyondPhysical = 0;        // clearness above the bound, taken as diffuse
  int daylight = 0;              // hours with the sun up for some of the hour
  int daylightMissing = 0;       // of them, with radiation missing
  bool operator==(const RadiationHourCounts&) const = default;
};

// The hours of a year ready to be put on any plane: only those that bring
// light, with their month and wish.
struct PreparedYear {
  struct Hour {
    SkyHour sky;
    int8_t month = 0;  // 0 … 11
    SunWish wish = SunWish::Neither;
  };
  std::vector<Hour> hours;
  RadiationHourCounts counts;
};

// The wish of each hour 1 … 8760 of the loaded year by its zone (element 0 unused).
[[nodiscard]] std::vector<SunWish> SunWishes(const ClimateData& climate, const PsychroChart& chart);

// Where the year was observed, and the lag of its radiation's interval after
// each stored hour's start (see SunOfHour).
struct SolarSite {
  double latitude = 0, longitude = 0, utcOffset = 9;
  double radiationLag = 0;
};

// Calls visit(h, month, sun) for every hour h = 1 … 8760 of the year at the
// site, with its month (0 … 11) and the sun-up part of its interval.
void ForEachHourSun(const SolarSite& site,
                    const std::function<void(int h, int8_t month, const HourSun& sun)>& visit);

// Every hour's sun and split at the site, with its wish.
[[nodiscard]] PreparedYear PrepareYear(const ClimateData& climate,
                                       const std::vector<SunWish>& wishes, const SolarSite& site);

// The year's totals on one plane.
[[nodiscard]] RadiationTotals PlaneTotals(const PreparedYear& year, const Plane& plane,
                                          SkyModel model, double albedo);

struct RadiationYear {
  RadiationOptions options;
  std::array<RadiationTotals, kRadiationOrientations> orientations{};
  RadiationTotals horizontal;
  int mostWanted = 0;    // azimuths of the orientations receiving the most wanted
  int mostUnwanted = 0;  // and the most unwanted sun
  RadiationHourCounts hours;
};

// The albedo and tilt checks, each with its message.
[[nodiscard]] bool CheckRadiationOptions(const RadiationOptions& options, MessageSink& sink);
// False, with its message, when radiation is missing in more than half of the
// daylight hours.
[[nodiscard]] bool CheckRadiationCoverage(const RadiationHourCounts& counts, MessageSink& sink);

// The analysis of the loaded year at the site; nothing, after a message, when
// an option or the year's radiation is refused.
[[nodiscard]] std::optional<RadiationYear> AnalyseRadiation(const ClimateData& climate,
                                                            const PsychroChart& chart,
                                                            const SolarSite& site,
                                                            const RadiationOptions& options,
                                                            MessageSink& sink);

// Mean daily irradiation of each month, kWh/m²·day.
[[nodiscard]] std::array<float, 12> MonthlyDailyMeans(const RadiationTotals& totals);

}  // namespace vlm
