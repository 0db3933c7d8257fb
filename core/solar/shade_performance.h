// How a shade performs over a climate year on its facade: of the hours whose
// zone does not want the sun ("Restrict Solar Gain"), how many it keeps in
// shade and how much of their beam on the facade it blocks; of the hours that
// want the sun ("Promote Solar Gain"), how many it leaves in the sun and how
// much of their beam it admits. Only hours with the sun up and in front of
// the facade count; an hour whose radiation is missing counts among the hours
// and is left out of the beam.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/climate/climate_data.h"
#include "core/solar/radiation_year.h"
#include "core/solar/shade_predicate.h"

namespace vlm {

// A daytime hour that wants or refuses the sun, with the sun where its beam
// comes from (the middle of its sun-up part).
struct WishedHour {
  SkyPosition sun;
  SkyHour sky;  // zero beam where radiation is missing
  int8_t month = 0;  // 0 … 11
  SunWish wish = SunWish::Wanted;
  bool missing = false;
};

// The year's daytime hours that want or refuse the sun.
[[nodiscard]] std::vector<WishedHour> WishedHours(const ClimateData& climate,
                                                  const std::vector<SunWish>& wishes,
                                                  const SolarSite& site);

// The wished hours in front of a facade, with their beam on it (J/m²).
struct FacadeHour {
  FacadeSun sun;
  double beam = 0;
  int8_t month = 0;
  SunWish wish = SunWish::Wanted;
  bool missing = false;
};
[[nodiscard]] std::vector<FacadeHour> FacadeHours(const std::vector<WishedHour>& hours, float s);

// Hours, and beam on the facade in kWh/m².
struct ShadeTally {
  int unwantedHours = 0, unwantedShadedHours = 0;
  float unwantedBeam = 0, unwantedBeamBlocked = 0;
  int wantedHours = 0, wantedSunlitHours = 0;
  float wantedBeam = 0, wantedBeamAdmitted = 0;
  int missingRadiation = 0;  // hours counted above whose beam is left out
  bool operator==(const ShadeTally&) const = default;
};

// A share in % of its whole; nothing when the whole is empty.
[[nodiscard]] std::optional<double> ShareOf(double part, double whole);

struct ShadePerformance {
  std::array<ShadeTally, 12> months{};  // months[0] January
  ShadeTally year;
};

[[nodiscard]] ShadePerformance PerformanceOf(const std::vector<FacadeHour>& hours,
                                             const Shade& shade);

// The horizontal shade's vertical angle, in whole degrees 0 … 90, that blocks
// the most unwanted beam less wanted beam on the facade; of equals the largest
// (the shallowest overhang). Its shares in %.
struct OverhangSuggestion {
  int v = 90;
  std::optional<double> unwantedBeamBlocked, wantedBeamAdmitted;
};
[[nodiscard]] OverhangSuggestion SuggestOverhang(const std::vector<FacadeHour>& hours);

}  // namespace vlm
